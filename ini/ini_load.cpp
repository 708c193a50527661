// The merge rules of loading a settings file into a document.
#include <algorithm>
#include <string>
#include <unordered_map>
#include <vector>

#include "ini/ini_file.hpp"
#include "ini/line_reader.hpp"

namespace {

// The values of a parameter line: the number of values is the number of double quotes in the
// whole line halved; they are taken pairwise from the quotes found after the "=".
std::vector<std::string> QuotedValues(const std::string& line, std::size_t equals) {
  const auto count = static_cast<std::size_t>(std::count(line.begin(), line.end(), '"')) / 2;
  std::vector<std::string> values;
  std::size_t from = equals;
  while (values.size() < count) {
    const std::size_t open = line.find('"', from);
    if (open == std::string::npos) break;
    const std::size_t close = line.find('"', open + 1);
    if (close == std::string::npos) break;  // quotes in the name left too few after the "="
    values.push_back(line.substr(open + 1, close - open - 1));
    from = close + 1;
  }
  return values;
}

// Feeds lines into a document. Lookups go through hash indexes built from the document, which
// find the same first entry of a name as a scan of the lists, so a file with very many keys
// still loads in linear time.
class Merger {
 public:
  explicit Merger(TINIFile& doc) : doc_(doc) {
    for (const auto& section : doc.Lsections) sections_.try_emplace(section->Name, section.get());
  }

  void Line(const std::string& line) {
    if (line.empty()) return;
    if (line[0] == '[') current_ = nullptr;
    if (current_) ParameterLine(line);
    else HeaderOrComment(line);
  }

 private:
  void HeaderOrComment(const std::string& line) {
    if (line[0] == ';') {
      doc_.comment = line.substr(1);
      return;
    }
    if (line[0] != '[') return;
    const std::size_t close = line.find(']');
    if (close == std::string::npos) return;  // no section is open until the next valid header
    current_ = OpenSection(line.substr(1, close - 1));
    // A ";" in the name is part of it: a comment looked for there would hold the end of the
    // header and gain another copy of it at every load and save.
    const std::size_t semicolon = line.find(';', close + 1);
    if (semicolon != std::string::npos) current_->comment = line.substr(semicolon + 1);
  }

  void ParameterLine(const std::string& line) {
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos) return;
    TINIParameter* parameter = OpenParameter(line.substr(0, equals));
    parameter->SetStringValues(QuotedValues(line, equals));
    // The comment comes after the "=" as well as after the last quote: a ";" in the name
    // (a commented-out setting) would otherwise copy the name into the comment at every save.
    const std::size_t last_quote = line.rfind('"');
    std::size_t from = equals + 1;
    if (last_quote != std::string::npos && last_quote > equals) from = last_quote + 1;
    const std::size_t semicolon = line.find(';', from);
    if (semicolon != std::string::npos) parameter->comment = line.substr(semicolon + 1);
  }

  TINISection* OpenSection(const std::string& name) {
    auto [it, added] = sections_.try_emplace(name, nullptr);
    if (added) {
      doc_.Lsections.push_back(std::make_shared<TINISection>(name));
      it->second = doc_.Lsections.back().get();
    }
    return it->second;
  }

  TINIParameter* OpenParameter(const std::string& name) {
    auto [index, indexed] = parameters_.try_emplace(current_);
    if (indexed)
      for (const auto& p : current_->Lparameters) index->second.try_emplace(p->Name, p.get());
    auto [it, added] = index->second.try_emplace(name, nullptr);
    if (added) {
      current_->Lparameters.push_back(TINIParameter::Create(name));
      it->second = current_->Lparameters.back().get();
    }
    return it->second;
  }

  TINIFile& doc_;
  std::unordered_map<std::string, TINISection*> sections_;
  std::unordered_map<TINISection*, std::unordered_map<std::string, TINIParameter*>> parameters_;
  TINISection* current_ = nullptr;  // the open section
};

}  // namespace

void TINIFile::LoadFromStream(std::istream& in) {
  Merger merger(*this);
  LineReader reader(in);
  std::string line;
  if (!reader.Next(line)) return;
  // Editors may start a UTF-8 file with a byte-order mark; left in, it would hide a first
  // section header and with it every setting of that section.
  if (line.starts_with("\xEF\xBB\xBF")) {
    line.erase(0, 3);
    TrimControlAndBlank(line);
  }
  do merger.Line(line);
  while (reader.Next(line));
}
