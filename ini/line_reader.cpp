#include "ini/line_reader.hpp"

bool LineReader::Fill() {
  if (!in_) return false;
  in_.read(buffer_.data(), static_cast<std::streamsize>(buffer_.size()));
  pos_ = 0;
  end_ = static_cast<std::size_t>(in_.gcount());
  return end_ > 0;
}

bool LineReader::Next(std::string& line) {
  line.clear();
  bool any = false;
  for (;;) {
    if (pos_ == end_ && !Fill()) break;
    any = true;
    const char c = buffer_[pos_++];
    if (c == '\n' || c == '\0') break;
    if (c != '\r') line.push_back(c);
  }
  TrimControlAndBlank(line);
  return any;
}

void TrimControlAndBlank(std::string& text) {
  auto blank = [](char c) { return static_cast<unsigned char>(c) <= 32; };
  std::size_t end = text.size();
  while (end > 0 && blank(text[end - 1])) --end;
  std::size_t begin = 0;
  while (begin < end && blank(text[begin])) ++begin;
  text.erase(end);
  text.erase(0, begin);
}
