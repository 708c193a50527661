#pragma once
// A persistent text item of a bitmap font handler, drawn by its RenderText every frame.
#include <memory>
#include <string>

#include "kit/linked_list.hpp"

struct MGE_BMFontText {
  std::string t;
  float x = 0.0f, y = 0.0f;
  float xscale = 0.0f, yscale = 0.0f;
  float spacing = 0.0f;
  float red = 0.0f, green = 0.0f, blue = 0.0f;
  float alpha = 0.0f;
  int blend = 0;
  int centered = 0;
  float shadowx = 0.0f, shadowy = 0.0f, shadowalpha = 0.0f;
  std::weak_ptr<vorpel::TList<MGE_BMFontText>::Node> link;  // its node in the handler's TextList
  int active = 0;  // only active texts are drawn

  // Takes the text out of its handler's list; harmless when it is no longer in one.
  void Remove() {
    if (auto node = link.lock()) vorpel::TList<MGE_BMFontText>::Remove(node.get());
  }
};
