#pragma once

class TINIFile;

// The saver's three settings, 0 until the first load. Each is stored in the settings document
// as its value plus one, because the document's integer getter reads a stored 0 as missing.
extern int HowOftenValue;      // how often bubbles are created, 0 ... 299 from the sliders
extern int ChangeValue;        // how often the bubble set changes, 0 ... 299
extern int BackgroundOnValue;  // 0 clears to black, anything else draws the backgrounds

// Loads the settings document (section "Vorpels") and reads the three values, each stored
// value minus one; a missing value (or a stored 0) gives the default 234, 201 or 2, which a
// document set to create missing entries adds. Values are not clamped. Returns Load's result.
int LoadSaverSettings(TINIFile& settings);
// Stores the three values plus one and saves the document sorted. Returns Save's result.
int SaveSaverSettings(TINIFile& settings);
