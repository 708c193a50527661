#pragma once
#include <vector>

#include "tools/art/color.hpp"

// The colours of white light reflected by a thin soap film: interference between the light
// reflected at its front and back faces, summed over the visible spectrum.
namespace art {

class FilmColours {
 public:
  FilmColours();
  // Display colour for an optical path difference 2 n d cos(theta) in nanometres, scaled so
  // that a thick film (colours averaged out) reflects white 1.
  Rgb At(float pathNm) const;

 private:
  static constexpr int kMaxPath = 4000;
  std::vector<Rgb> table_;
};

}  // namespace art
