#include "ini/ini_file.hpp"

#include <fstream>
#include <sstream>
#include <utility>

#include "ini/named_list.hpp"
#include "platform/replace_file.hpp"

TINIFile::TINIFile(std::string filename) : Filename(std::move(filename)) {}

std::shared_ptr<TINIFile> TINIFile::Create(const std::string& filename) {
  return std::make_shared<TINIFile>(filename);
}

int TINIFile::Load() {
  std::ifstream in(Filename, std::ios::binary);
  if (Filename.empty() || !in) return 0;
  LoadFromStream(in);
  return in.bad() ? 0 : 1;  // e.g. a folder: opens, but reading fails
}

int TINIFile::Save(int sort) {
  if (sort) Sort();
  if (Filename.empty()) return 0;
  std::ostringstream out;
  SaveToStream(out);
  return ReplaceFile(Filename, out.view()) ? 1 : 0;
}

void TINIFile::SaveToStream(std::ostream& out) const {
  if (!comment.empty()) out << ';' << comment << "\r\n";
  for (const auto& section : Lsections) section->Save(out);
}

std::shared_ptr<TINISection> TINIFile::FindSection(const std::string& name) const {
  return vorpel::detail::FindByName(Lsections, name);
}

std::shared_ptr<TINIParameter> TINIFile::FindParameter(const std::string& section,
                                                       const std::string& name) const {
  auto found = FindSection(section);
  return found ? found->FindParameter(name) : nullptr;
}

int TINIFile::AddSection(const std::string& name, const std::string& text) {
  if (FindSection(name)) return 0;
  Lsections.push_back(std::make_shared<TINISection>(name, text));
  return 1;
}

int TINIFile::DeleteSection(const std::string& name) {
  return vorpel::detail::EraseByName(Lsections, name) ? 1 : 0;
}

int TINIFile::SectionExists(const std::string& name) const { return FindSection(name) ? 1 : 0; }

std::vector<std::string> TINIFile::GetSections() const {
  return vorpel::detail::NamesOf(Lsections);
}

std::string TINIFile::GetSectionComment(const std::string& section) const {
  auto found = FindSection(section);
  return found ? found->comment : std::string();
}

int TINIFile::SetSectionComment(const std::string& section, const std::string& text) {
  auto found = FindSection(section);
  if (!found) return 0;
  found->comment = text;
  return 1;
}

int TINIFile::AddParameter(const std::string& section, const std::string& name) {
  auto found = FindSection(section);
  return found ? found->AddParameter(name) : 0;
}

int TINIFile::DeleteParameter(const std::string& section, const std::string& name) {
  auto found = FindSection(section);
  return found ? found->DeleteParameter(name) : 0;
}

int TINIFile::ParameterExists(const std::string& section, const std::string& name) const {
  return FindParameter(section, name) ? 1 : 0;
}

std::vector<std::string> TINIFile::GetParameters(const std::string& section) const {
  auto found = FindSection(section);
  return found ? found->GetParameters() : std::vector<std::string>();
}

std::string TINIFile::GetParameterComment(const std::string& section,
                                          const std::string& name) const {
  auto found = FindParameter(section, name);
  return found ? found->comment : std::string();
}

void TINIFile::SetParameterComment(const std::string& section, const std::string& name,
                                   const std::string& text) {
  if (auto found = FindParameter(section, name)) found->comment = text;
}

void TINIFile::Sort() {
  SortSections();
  for (const auto& section : Lsections) section->SortParameters();
}

void TINIFile::SortSections() { vorpel::detail::SortByName(Lsections); }

void TINIFile::SortParameters(const std::string& section) {
  if (auto found = FindSection(section)) found->SortParameters();
}
