#pragma once

// The process-wide minimal-standard generator (multiplier 48271, modulus 2^31 - 1).
void SeedRnd(int seed);
int RndSeed();  // the current state

double RndReal();                     // [0, 1) from two successive states
double Rnd(double a = 1.0, double b = 0.0);  // between a and b, the lower included
int Rand(int a, int b = 1);           // integer between a and b, both included
