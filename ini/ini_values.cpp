// Typed getters and setters of the document: values are stored as text.
#include <cstdio>
#include <string>
#include <vector>

#include "ini/ini_file.hpp"
#include "ini/int_conversion.hpp"
#include "ini/real_conversion.hpp"

namespace {

std::string FormatReal(const char* format, double value) {
  char text[64];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

// Text forms of each number type; bytes and shorts keep the low bits of the integer read.
template <class T>
struct NumberText;
template <>
struct NumberText<std::uint8_t> {
  static std::uint8_t From(const std::string& s) { return std::uint8_t(TextToInt(s)); }
  static std::string To(std::uint8_t v) { return std::to_string(v); }
};
template <>
struct NumberText<std::uint16_t> {
  static std::uint16_t From(const std::string& s) { return std::uint16_t(TextToInt(s)); }
  static std::string To(std::uint16_t v) { return std::to_string(v); }
};
template <>
struct NumberText<std::int32_t> {
  static std::int32_t From(const std::string& s) { return TextToInt(s); }
  static std::string To(std::int32_t v) { return std::to_string(v); }
};
template <>
struct NumberText<std::int64_t> {
  static std::int64_t From(const std::string& s) { return TextToLong(s); }
  static std::string To(std::int64_t v) { return std::to_string(v); }
};
template <>
struct NumberText<float> {
  static float From(const std::string& s) { return TextToFloat(s); }
  static std::string To(float v) { return FormatReal("%#.9g", v); }
};
template <>
struct NumberText<double> {
  static double From(const std::string& s) { return TextToDouble(s); }
  static std::string To(double v) { return FormatReal("%#.17lg", v); }
};

std::string AsciiLower(std::string text) {
  for (char& c : text)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return text;
}

bool IsBoolText(const std::string& lower) { return lower == "true" || lower == "false"; }

}  // namespace

std::string TINIFile::GetStringValue(const std::string& section, const std::string& name,
                                     const std::string& def) {
  auto parameter = FindParameter(section, name);
  std::string text = parameter ? parameter->GetStringValue() : std::string();
  if (!text.empty()) return text;
  if (createWhenMissing && !def.empty()) SetStringValue(section, name, def);
  return def;
}

TINIFile::Names TINIFile::GetStringValues(const std::string& section, const std::string& name,
                                          const Names& def) {
  auto parameter = FindParameter(section, name);
  if (parameter && !parameter->Lvalues.empty()) return parameter->GetStringValues();
  if (createWhenMissing && !def.empty()) SetStringValues(section, name, def);
  return def;
}

void TINIFile::SetStringValue(const std::string& section, const std::string& name,
                              const std::string& value) {
  SetStringValues(section, name, Names{value});
}

void TINIFile::SetStringValues(const std::string& section, const std::string& name,
                               const Names& values) {
  if (createWhenMissing) {
    AddSection(section, "");
    AddParameter(section, name);
  }
  if (auto parameter = FindParameter(section, name)) parameter->SetStringValues(values);
}

int TINIFile::GetBoolValue(const std::string& section, const std::string& name,
                           const std::string& def) {
  const std::string text = AsciiLower(GetStringValue(section, name, ""));
  if (text == "true") return 1;
  if (text == "false") return 0;
  const std::string lower_def = AsciiLower(def);
  if (text.empty() && createWhenMissing && IsBoolText(lower_def))
    SetStringValue(section, name, lower_def);
  return lower_def == "true" ? 1 : 0;
}

std::vector<int> TINIFile::GetBoolValues(const std::string& section, const std::string& name,
                                         const Names& def) {
  const Names texts = GetStringValues(section, name, Names());
  const Names& source = texts.empty() ? def : texts;
  if (texts.empty() && createWhenMissing && !def.empty()) SetBoolValues(section, name, def);
  std::vector<int> result;
  for (const std::string& text : source) result.push_back(AsciiLower(text) == "true" ? 1 : 0);
  return result;
}

void TINIFile::SetBoolValue(const std::string& section, const std::string& name,
                            const std::string& value) {
  const std::string lower = AsciiLower(value);
  if (IsBoolText(lower)) SetStringValue(section, name, lower);
}

void TINIFile::SetBoolValues(const std::string& section, const std::string& name,
                             const Names& values) {
  Names texts;
  for (const std::string& value : values) {
    const std::string lower = AsciiLower(value);
    texts.push_back(IsBoolText(lower) ? lower : std::string());
  }
  SetStringValues(section, name, texts);
}

template <class T>
T TINIFile::GetNumber(const std::string& section, const std::string& name, T def) {
  const T value = NumberText<T>::From(GetStringValue(section, name, ""));
  if (value != 0) return value;
  if (createWhenMissing && def != 0) SetStringValue(section, name, NumberText<T>::To(def));
  return def;
}

template <class T>
std::vector<T> TINIFile::GetNumbers(const std::string& section, const std::string& name,
                                    const std::vector<T>& def) {
  const Names texts = GetStringValues(section, name, Names());
  if (texts.empty()) {
    if (createWhenMissing && !def.empty()) SetNumbers(section, name, def);
    return def;
  }
  std::vector<T> values;
  values.reserve(texts.size());
  for (const std::string& text : texts) values.push_back(NumberText<T>::From(text));
  return values;
}

template <class T>
void TINIFile::SetNumbers(const std::string& section, const std::string& name,
                          const std::vector<T>& values) {
  Names texts;
  texts.reserve(values.size());
  for (T value : values) texts.push_back(NumberText<T>::To(value));
  SetStringValues(section, name, texts);
}

// One set of typed operations per number type, all through the templates above.
#define VORPEL_INI_NUMBER_OPERATIONS(Type, Get, GetList, Set, SetList)                        \
  Type TINIFile::Get(const std::string& section, const std::string& name, Type def) {         \
    return GetNumber<Type>(section, name, def);                                               \
  }                                                                                           \
  std::vector<Type> TINIFile::GetList(const std::string& section, const std::string& name,    \
                                      const std::vector<Type>& def) {                         \
    return GetNumbers<Type>(section, name, def);                                              \
  }                                                                                           \
  void TINIFile::Set(const std::string& section, const std::string& name, Type value) {       \
    SetStringValue(section, name, NumberText<Type>::To(value));                               \
  }                                                                                           \
  void TINIFile::SetList(const std::string& section, const std::string& name,                 \
                         const std::vector<Type>& values) {                                   \
    SetNumbers<Type>(section, name, values);                                                  \
  }

VORPEL_INI_NUMBER_OPERATIONS(std::uint8_t, GetByteValue, GetByteValues, SetByteValue,
                             SetByteValues)
VORPEL_INI_NUMBER_OPERATIONS(std::uint16_t, GetShortValue, GetShortValues, SetShortValue,
                             SetShortValues)
VORPEL_INI_NUMBER_OPERATIONS(std::int32_t, GetIntValue, GetIntValues, SetIntValue, SetIntValues)
VORPEL_INI_NUMBER_OPERATIONS(std::int64_t, GetLongValue, GetLongValues, SetLongValue,
                             SetLongValues)
VORPEL_INI_NUMBER_OPERATIONS(float, GetFloatValue, GetFloatValues, SetFloatValue,
                             SetFloatValues)
VORPEL_INI_NUMBER_OPERATIONS(double, GetDoubleValue, GetDoubleValues, SetDoubleValue,
                             SetDoubleValues)

#undef VORPEL_INI_NUMBER_OPERATIONS
