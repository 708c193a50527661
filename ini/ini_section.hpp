#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ini/ini_parameter.hpp"

// One section of a document: a name (without brackets), a comment and its parameters in order.
class TINISection {
 public:
  explicit TINISection(std::string name = "", std::string comment = "");

  const std::string& GetName() const { return Name; }
  void SetName(const std::string& name) { Name = name; }
  const std::string& GetComment() const { return comment; }
  void SetComment(const std::string& text) { comment = text; }

  // The first parameter of that exact name, or null.
  std::shared_ptr<TINIParameter> FindParameter(const std::string& name) const;

  // 0 when the parameter exists already; else appends it without values, 1.
  int AddParameter(const std::string& name);
  int DeleteParameter(const std::string& name);
  int ParameterExists(const std::string& name) const;
  std::vector<std::string> GetParameters() const;
  std::string GetParameterComment(const std::string& name) const;
  void SetParameterComment(const std::string& name, const std::string& text);

  // A missing parameter reads as the empty string or no values; setting it does nothing.
  std::string GetStringValue(const std::string& name) const;
  std::vector<std::string> GetStringValues(const std::string& name) const;
  void SetStringValue(const std::string& name, const std::string& value);
  void SetStringValues(const std::string& name, const std::vector<std::string>& values);

  void SortParameters();
  // Writes the header, one line per parameter and an empty line, each ended by CR LF.
  void Save(std::ostream& out) const;

  std::string Name;
  std::string comment;
  std::vector<std::shared_ptr<TINIParameter>> Lparameters;
};
