#include "app/saver_settings.hpp"

#include "ini/ini_file.hpp"

int HowOftenValue = 0;
int ChangeValue = 0;
int BackgroundOnValue = 0;

namespace {

struct Setting {
  const char* name;
  int* value;
  int stored_default;
};

const Setting kSettings[] = {
    {"HowOften", &HowOftenValue, 234},
    {"HowOftenToChangeBubbles", &ChangeValue, 201},
    {"BackgroundOn", &BackgroundOnValue, 2},
};

// Any stored integer round-trips, the extremes included: the offset wraps instead of overflowing.
int Offset(int value, int by) {
  return static_cast<int>(static_cast<unsigned>(value) + static_cast<unsigned>(by));
}

}  // namespace

int LoadSaverSettings(TINIFile& settings) {
  const int loaded = settings.Load();
  for (const Setting& s : kSettings)
    *s.value = Offset(settings.GetIntValue("Vorpels", s.name, s.stored_default), -1);
  return loaded;
}

int SaveSaverSettings(TINIFile& settings) {
  for (const Setting& s : kSettings) settings.SetIntValue("Vorpels", s.name, Offset(*s.value, 1));
  return settings.Save(1);
}
