#pragma once
#include <cstdint>
#include <istream>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ini/ini_section.hpp"

// An in-memory settings document: named sections of named parameters holding string values,
// loaded from and saved to a text file, read and changed through typed getters and setters.
// Names are compared byte by byte (letter case matters).
class TINIFile {
 public:
  explicit TINIFile(std::string filename = "");
  // A new document bound to a file name; nothing is loaded.
  static std::shared_ptr<TINIFile> Create(const std::string& filename);
  // A copy would share its sections with the original; documents move instead.
  TINIFile(const TINIFile&) = delete;
  TINIFile& operator=(const TINIFile&) = delete;
  TINIFile(TINIFile&&) = default;
  TINIFile& operator=(TINIFile&&) = default;

  // Merges the file into the document (nothing is cleared first). 0 when the file cannot be
  // opened, else 1.
  int Load();
  // Sorts first when `sort` is non-zero, then replaces the file. 0 when there is no file name
  // or the file cannot be written; the previous file then stays as it was.
  int Save(int sort);
  // The merge and the byte format of Load and Save, on streams.
  void LoadFromStream(std::istream& in);
  void SaveToStream(std::ostream& out) const;

  // When set, getters create what they miss with their default and the document's
  // SetStringValue(s) create a missing section and parameter.
  void CreateMissingEntries(int flag) { createWhenMissing = flag; }
  const std::string& GetFilename() const { return Filename; }
  void SetFilename(const std::string& filename) { Filename = filename; }
  const std::string& GetComment() const { return comment; }
  void SetComment(const std::string& text) { comment = text; }

  // Structure.
  std::shared_ptr<TINISection> FindSection(const std::string& name) const;
  int AddSection(const std::string& name, const std::string& comment);
  int DeleteSection(const std::string& name);
  int SectionExists(const std::string& name) const;
  std::vector<std::string> GetSections() const;
  std::string GetSectionComment(const std::string& section) const;
  int SetSectionComment(const std::string& section, const std::string& text);
  int AddParameter(const std::string& section, const std::string& name);
  int DeleteParameter(const std::string& section, const std::string& name);
  int ParameterExists(const std::string& section, const std::string& name) const;
  std::vector<std::string> GetParameters(const std::string& section) const;
  std::string GetParameterComment(const std::string& section, const std::string& name) const;
  void SetParameterComment(const std::string& section, const std::string& name,
                           const std::string& text);
  void Sort();
  void SortSections();
  void SortParameters(const std::string& section);

  // Values. A numeric getter treats a stored value that converts to 0 as missing and returns
  // its default then; list getters return their default when there are no values.
  using Names = std::vector<std::string>;
  std::string GetStringValue(const std::string& section, const std::string& name,
                             const std::string& def);
  Names GetStringValues(const std::string& section, const std::string& name, const Names& def);
  void SetStringValue(const std::string& section, const std::string& name,
                      const std::string& value);
  void SetStringValues(const std::string& section, const std::string& name,
                       const Names& values);

  int GetBoolValue(const std::string& section, const std::string& name, const std::string& def);
  std::vector<int> GetBoolValues(const std::string& section, const std::string& name,
                                 const Names& def);
  void SetBoolValue(const std::string& section, const std::string& name,
                    const std::string& value);
  void SetBoolValues(const std::string& section, const std::string& name, const Names& values);

  std::uint8_t GetByteValue(const std::string& section, const std::string& name,
                            std::uint8_t def);
  std::vector<std::uint8_t> GetByteValues(const std::string& section, const std::string& name,
                                          const std::vector<std::uint8_t>& def);
  void SetByteValue(const std::string& section, const std::string& name, std::uint8_t value);
  void SetByteValues(const std::string& section, const std::string& name,
                     const std::vector<std::uint8_t>& values);

  std::uint16_t GetShortValue(const std::string& section, const std::string& name,
                              std::uint16_t def);
  std::vector<std::uint16_t> GetShortValues(const std::string& section, const std::string& name,
                                            const std::vector<std::uint16_t>& def);
  void SetShortValue(const std::string& section, const std::string& name, std::uint16_t value);
  void SetShortValues(const std::string& section, const std::string& name,
                      const std::vector<std::uint16_t>& values);

  std::int32_t GetIntValue(const std::string& section, const std::string& name,
                           std::int32_t def);
  std::vector<std::int32_t> GetIntValues(const std::string& section, const std::string& name,
                                         const std::vector<std::int32_t>& def);
  void SetIntValue(const std::string& section, const std::string& name, std::int32_t value);
  void SetIntValues(const std::string& section, const std::string& name,
                    const std::vector<std::int32_t>& values);

  std::int64_t GetLongValue(const std::string& section, const std::string& name,
                            std::int64_t def);
  std::vector<std::int64_t> GetLongValues(const std::string& section, const std::string& name,
                                          const std::vector<std::int64_t>& def);
  void SetLongValue(const std::string& section, const std::string& name, std::int64_t value);
  void SetLongValues(const std::string& section, const std::string& name,
                     const std::vector<std::int64_t>& values);

  float GetFloatValue(const std::string& section, const std::string& name, float def);
  std::vector<float> GetFloatValues(const std::string& section, const std::string& name,
                                    const std::vector<float>& def);
  void SetFloatValue(const std::string& section, const std::string& name, float value);
  void SetFloatValues(const std::string& section, const std::string& name,
                      const std::vector<float>& values);

  double GetDoubleValue(const std::string& section, const std::string& name, double def);
  std::vector<double> GetDoubleValues(const std::string& section, const std::string& name,
                                      const std::vector<double>& def);
  void SetDoubleValue(const std::string& section, const std::string& name, double value);
  void SetDoubleValues(const std::string& section, const std::string& name,
                       const std::vector<double>& values);

  std::string Filename;
  std::string comment;
  std::vector<std::shared_ptr<TINISection>> Lsections;
  int createWhenMissing = 0;

 private:
  std::shared_ptr<TINIParameter> FindParameter(const std::string& section,
                                               const std::string& name) const;
  template <class T>
  T GetNumber(const std::string& section, const std::string& name, T def);
  template <class T>
  std::vector<T> GetNumbers(const std::string& section, const std::string& name,
                            const std::vector<T>& def);
  template <class T>
  void SetNumbers(const std::string& section, const std::string& name,
                  const std::vector<T>& values);
};
