#include "tools/art/film.hpp"

#include <cmath>

namespace art {
namespace {

// Two-sided Gaussian lobe of the fitted colour-matching functions (Wyman, Sloan, Shirley).
double Lobe(double l, double mu, double s1, double s2) {
  double t = (l - mu) / (l < mu ? s1 : s2);
  return std::exp(-0.5 * t * t);
}

struct Xyz {
  double x = 0, y = 0, z = 0;
};

Xyz Observer(double l) {
  return {1.056 * Lobe(l, 599.8, 37.9, 31.0) + 0.362 * Lobe(l, 442.0, 16.0, 26.7) -
              0.065 * Lobe(l, 501.1, 20.4, 26.2),
          0.821 * Lobe(l, 568.8, 46.9, 40.5) + 0.286 * Lobe(l, 530.9, 16.3, 31.1),
          1.217 * Lobe(l, 437.0, 11.8, 36.0) + 0.681 * Lobe(l, 459.0, 26.0, 13.8)};
}

// Linear sRGB of a spectrum given by reflectance(wavelength), not yet normalised.
template <class Fn>
Xyz LinearRgb(Fn reflectance) {
  Xyz xyz;
  for (double l = 380; l <= 780; l += 4) {
    Xyz o = Observer(l);
    double r = reflectance(l);
    xyz.x += o.x * r, xyz.y += o.y * r, xyz.z += o.z * r;
  }
  return {3.2406 * xyz.x - 1.5372 * xyz.y - 0.4986 * xyz.z,
          -0.9689 * xyz.x + 1.8758 * xyz.y + 0.0415 * xyz.z,
          0.0557 * xyz.x - 0.2040 * xyz.y + 1.0570 * xyz.z};
}

float Encode(double linear) {
  double v = linear <= 0 ? 0 : linear;
  return float(v <= 0.0031308 ? 12.92 * v : 1.055 * std::pow(v, 1 / 2.4) - 0.055);
}

}  // namespace

FilmColours::FilmColours() : table_(kMaxPath + 1) {
  Xyz white = LinearRgb([](double) { return 1.0; });
  for (int p = 0; p <= kMaxPath; ++p) {
    // One face reflects with a half-wave phase jump, so a vanishing film reflects nothing.
    Xyz c = LinearRgb([p](double l) {
      double s = std::sin(3.14159265358979323846 * p / l);
      return 2.0 * s * s;
    });
    table_[std::size_t(p)] = {Encode(c.x / white.x), Encode(c.y / white.y), Encode(c.z / white.z)};
  }
}

Rgb FilmColours::At(float pathNm) const {
  float p = std::clamp(pathNm, 0.0f, float(kMaxPath - 1));
  int i = int(p);
  return Mix(table_[std::size_t(i)], table_[std::size_t(i) + 1], p - float(i));
}

}  // namespace art
