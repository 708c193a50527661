#include "ini/ini_parameter.hpp"

#include <utility>

TINIParameter::TINIParameter(std::string name) : Name(std::move(name)) {}

std::shared_ptr<TINIParameter> TINIParameter::Create(const std::string& name) {
  return std::make_shared<TINIParameter>(name);
}

std::string TINIParameter::GetStringValue() const {
  return Lvalues.empty() ? std::string() : Lvalues.front().value;
}

std::vector<std::string> TINIParameter::GetStringValues() const {
  std::vector<std::string> values;
  values.reserve(Lvalues.size());
  for (const TINIValue& v : Lvalues) values.push_back(v.value);
  return values;
}

void TINIParameter::SetStringValue(const std::string& value) {
  Lvalues.assign(1, TINIValue(value));
}

void TINIParameter::SetStringValues(const std::vector<std::string>& values) {
  Lvalues.clear();
  Lvalues.reserve(values.size());
  for (const std::string& v : values) Lvalues.emplace_back(v);
}

std::string TINIParameter::CheckValue(const std::string& value) { return '"' + value + '"'; }

void TINIParameter::Save(std::ostream& out) const {
  out << Name << '=';
  for (std::size_t i = 0; i < Lvalues.size(); ++i) {
    if (i > 0) out << ", ";
    out << CheckValue(Lvalues[i].value);
  }
  if (!comment.empty()) out << "\t;" << comment;
  out << "\r\n";
}
