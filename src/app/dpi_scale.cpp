#include "app/dpi_scale.h"

#include <cstdint>

namespace dovevar {
namespace {

// value * numerator / denominator, rounded to the nearest, halves away from zero.
int rescaled(int value, int numerator, int denominator) {
  const std::int64_t product = static_cast<std::int64_t>(value) * numerator;
  const std::int64_t half = denominator / 2;
  return static_cast<int>(product >= 0 ? (product + half) / denominator : (product - half) / denominator);
}

int usable(int dpi) { return dpi > 0 ? dpi : kDesignDpi; }

}  // namespace

int scaledToDpi(int designPixels, int dpi) { return rescaled(designPixels, usable(dpi), kDesignDpi); }

int designPixels(int shownPixels, int dpi) { return rescaled(shownPixels, kDesignDpi, usable(dpi)); }

}  // namespace dovevar
