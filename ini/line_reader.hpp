#pragma once
#include <cstddef>
#include <istream>
#include <string>
#include <vector>

// Splits a byte stream into settings lines, one byte per character: a line ends at a line
// feed, at a zero byte or at the end of the stream; carriage returns are dropped wherever they
// stand; each line is trimmed at both ends of every character of code 32 or less.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}
  // The next line (possibly empty); false when the stream is exhausted.
  bool Next(std::string& line);

 private:
  bool Fill();

  std::istream& in_;
  std::vector<char> buffer_ = std::vector<char>(1 << 12);
  std::size_t pos_ = 0;
  std::size_t end_ = 0;
};

// Removes characters of code 32 or less from both ends.
void TrimControlAndBlank(std::string& text);
