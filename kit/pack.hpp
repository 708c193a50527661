#pragma once
// Named rectangles of atlas images, read from pack texts into one process-wide list.
#include <string>
#include <vector>

struct MGE_PackDefinitionType {
  std::string name;
  int textureid = 0;
  int srcx = 0;
  int srcy = 0;
  int width = 0;
  int height = 0;
};

class MGE_Pack {
 public:
  virtual ~MGE_Pack() = default;

  // Appends the entries of a pack (a path or an "incbin::" name) with the given texture slot.
  // 0 when the source cannot be opened, and also at the first malformed entry (a missing line,
  // an empty name, a rectangle of fewer than four fields): the entries before it are kept.
  // A failure also names the source on standard error.
  static int Read(const std::string& source, int textureSlot);
  // Copies the first definition with exactly that name into def; def is unchanged when there
  // is none. Always 0: callers test the record.
  static int GetImageDef(const std::string& name, MGE_PackDefinitionType& def);
  static int Reset();

  // The first definition with exactly that name, or none.
  static const MGE_PackDefinitionType* Find(const std::string& name);
  static const std::vector<MGE_PackDefinitionType>& Definitions();
};
