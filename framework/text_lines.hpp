#pragma once
#include <string>
#include <vector>

// Cuts text at line feeds, dropping a carriage return just before one. A final line feed adds
// no empty line; an empty text has no lines.
std::vector<std::string> SplitLines(const std::string& text);

// Wraps lines at spaces so that each measures at most maxWidth (TextMeasureWidth x scale). A
// single word wider than that stays whole on its own line; empty lines stay empty.
std::vector<std::string> WordWrap(const std::vector<std::string>& lines, float maxWidth, float scale);
