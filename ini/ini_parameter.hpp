#pragma once
#include <memory>
#include <ostream>
#include <string>
#include <vector>

#include "ini/ini_value.hpp"

// One key of a section: a name, its values in order (possibly none) and a comment.
class TINIParameter {
 public:
  explicit TINIParameter(std::string name = "");
  static std::shared_ptr<TINIParameter> Create(const std::string& name);

  const std::string& GetName() const { return Name; }
  void SetName(const std::string& name) { Name = name; }
  const std::string& GetComment() const { return comment; }
  void SetComment(const std::string& text) { comment = text; }

  // The first value, or the empty string when there is none.
  std::string GetStringValue() const;
  std::vector<std::string> GetStringValues() const;
  // Replace all values with one, or with the given ones in order.
  void SetStringValue(const std::string& value);
  void SetStringValues(const std::vector<std::string>& values);

  // The value as written in the file: wrapped in double quotes.
  static std::string CheckValue(const std::string& value);
  // Writes the parameter's line, ended by CR LF.
  void Save(std::ostream& out) const;

  std::string Name;
  std::vector<TINIValue> Lvalues;
  std::string comment;
};
