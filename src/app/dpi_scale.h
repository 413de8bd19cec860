// Lengths at the screen's DPI. Every layout of the program is designed in pixels at 96
// DPI (100 %); the windows show them scaled to their monitor's DPI, and what is stored
// (column widths, say) is taken back to 96 DPI, so that a file means the same on every
// screen.
#pragma once

namespace dovevar {

inline constexpr int kDesignDpi = 96;

// A design length shown at `dpi`, to the nearest pixel (halves away from zero). A DPI
// that is not positive counts as 96.
int scaledToDpi(int designPixels, int dpi);

// A length shown at `dpi` back at 96 DPI, to the nearest pixel. At 96 DPI or more it gives
// back the design length of every scaled one.
int designPixels(int shownPixels, int dpi);

}  // namespace dovevar
