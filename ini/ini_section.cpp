#include "ini/ini_section.hpp"

#include <utility>

#include "ini/named_list.hpp"

TINISection::TINISection(std::string name, std::string comment_text)
    : Name(std::move(name)), comment(std::move(comment_text)) {}

std::shared_ptr<TINIParameter> TINISection::FindParameter(const std::string& name) const {
  return vorpel::detail::FindByName(Lparameters, name);
}

int TINISection::AddParameter(const std::string& name) {
  if (FindParameter(name)) return 0;
  Lparameters.push_back(TINIParameter::Create(name));
  return 1;
}

int TINISection::DeleteParameter(const std::string& name) {
  return vorpel::detail::EraseByName(Lparameters, name) ? 1 : 0;
}

int TINISection::ParameterExists(const std::string& name) const {
  return FindParameter(name) ? 1 : 0;
}

std::vector<std::string> TINISection::GetParameters() const {
  return vorpel::detail::NamesOf(Lparameters);
}

std::string TINISection::GetParameterComment(const std::string& name) const {
  auto parameter = FindParameter(name);
  return parameter ? parameter->comment : std::string();
}

void TINISection::SetParameterComment(const std::string& name, const std::string& text) {
  if (auto parameter = FindParameter(name)) parameter->comment = text;
}

std::string TINISection::GetStringValue(const std::string& name) const {
  auto parameter = FindParameter(name);
  return parameter ? parameter->GetStringValue() : std::string();
}

std::vector<std::string> TINISection::GetStringValues(const std::string& name) const {
  auto parameter = FindParameter(name);
  return parameter ? parameter->GetStringValues() : std::vector<std::string>();
}

void TINISection::SetStringValue(const std::string& name, const std::string& value) {
  if (auto parameter = FindParameter(name)) parameter->SetStringValue(value);
}

void TINISection::SetStringValues(const std::string& name,
                                  const std::vector<std::string>& values) {
  if (auto parameter = FindParameter(name)) parameter->SetStringValues(values);
}

void TINISection::SortParameters() { vorpel::detail::SortByName(Lparameters); }

void TINISection::Save(std::ostream& out) const {
  out << '[' << Name << ']';
  if (!comment.empty()) out << "\t;" << comment;
  out << "\r\n";
  for (const auto& parameter : Lparameters) parameter->Save(out);
  out << "\r\n";
}
