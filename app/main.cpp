#include "app/entry.hpp"

int main(int argc, char** argv) { RunProgram(argc, argv); }
