#pragma once
#include <gtest/gtest.h>

#include <string>

#include "ini/ini_file.hpp"
#include "tests/support/support.hpp"

// A document loaded through a real file that holds `text`.
inline TINIFile LoadText(const testsupport::TempDir& dir, const std::string& text) {
  const std::string path = dir / "settings.ini";
  testsupport::WriteFile(path, text);
  TINIFile doc(path);
  EXPECT_EQ(doc.Load(), 1);
  return doc;
}

using Strings = std::vector<std::string>;
