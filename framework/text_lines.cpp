#include "framework/text_lines.hpp"

#include "platform/graphics.hpp"

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    std::size_t stop = end > start && text[end - 1] == '\r' ? end - 1 : end;
    lines.push_back(text.substr(start, stop - start));
    start = end + 1;
  }
  return lines;
}

namespace {
// One left-to-right pass replacing each pair of spaces by one space.
std::string CollapseSpacePairs(const std::string& line) {
  std::string out;
  for (std::size_t i = 0; i < line.size(); ++i) {
    out.push_back(line[i]);
    if (line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' ') ++i;
  }
  return out;
}

std::vector<std::string> SplitAtSpaces(const std::string& line) {
  std::vector<std::string> words;
  std::size_t start = 0;
  for (;;) {
    std::size_t end = line.find(' ', start);
    words.push_back(line.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return words;
    start = end + 1;
  }
}
}  // namespace

std::vector<std::string> WordWrap(const std::vector<std::string>& lines, float maxWidth, float scale) {
  std::vector<std::string> out;
  for (const std::string& line : lines) {
    if (line.empty()) {
      out.emplace_back();
      continue;
    }
    std::vector<std::string> words = SplitAtSpaces(CollapseSpacePairs(line));
    std::string current = words[0];
    for (std::size_t i = 1; i < words.size(); ++i) {
      std::string candidate = current + " " + words[i];
      if (float(TextMeasureWidth(candidate)) * scale > maxWidth) {
        out.push_back(current);
        current = words[i];
      } else {
        current = candidate;
      }
    }
    out.push_back(current);
  }
  return out;
}
