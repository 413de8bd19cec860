// The product-family window's animation as data: which picture is drawn where, at
// which size and angle, and which text lines stand where, frame by frame. The window
// only paints what a frame says.
//
// A cycle has 373 frames (0 to 372), one every 100 ms: the logo shakes (1-14), bounces
// (15-134), stands (135-136), zooms (137-216), breaks into four turning pieces
// (217-229); the name plate grows in (215-239), stands, blinks (247-256) and stands
// again up to 271; four text lines scroll up (273-371).
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

namespace dovevar {

inline constexpr int32_t kFamilyFrameCount = 373;
inline constexpr int32_t kFamilyTimerMilliseconds = 100;

struct FamilyPoint {
  int32_t x = 0;
  int32_t y = 0;
  bool operator==(const FamilyPoint&) const = default;
};

struct FamilyRect {
  int32_t x = 0;
  int32_t y = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const FamilyRect&) const = default;
};

// Sizes taken when the window opens: its outer size, its client size and the sizes of
// the two pictures.
struct FamilySizes {
  int32_t windowWidth = 0;
  int32_t windowHeight = 0;
  int32_t clientWidth = 0;
  int32_t clientHeight = 0;
  int32_t logoWidth = 0;
  int32_t logoHeight = 0;
  int32_t plateWidth = 0;
  int32_t plateHeight = 0;
};

// A rectangle of the window copied onto itself turned about its centre: the picture's
// upper-left, upper-right and lower-left corners land on the three points.
struct RotatedCopy {
  FamilyRect area;
  FamilyPoint upperLeft;
  FamilyPoint upperRight;
  FamilyPoint lowerLeft;
  bool operator==(const RotatedCopy&) const = default;
};

// `degrees` turns the picture; direction 1 turns it one way, 0 the other.
RotatedCopy rotatedCopy(FamilyRect area, int32_t degrees, int32_t direction);

enum class FamilyPicture { kLogo, kNamePlate };

// Part `source` of a picture drawn into `target` (stretched when the sizes differ),
// then, when `turn` is set, that target turned in place.
struct FamilyDrawing {
  FamilyPicture picture = FamilyPicture::kLogo;
  FamilyRect source;
  FamilyRect target;
  std::optional<RotatedCopy> turn;
  bool operator==(const FamilyDrawing&) const = default;
};

// Black text on a transparent background.
struct FamilyTextLine {
  FamilyPoint at;
  std::u16string_view text;
  bool operator==(const FamilyTextLine&) const = default;
};

struct FamilyFrame {
  int32_t number = 0;
  FamilyRect background;  // filled white before anything else
  std::vector<FamilyDrawing> drawings;  // in painting order
  std::vector<FamilyTextLine> lines;
};

// The running animation of one window.
struct FamilyAnimation {
  FamilySizes sizes;
  int32_t frame = 0;
  // Logo position, its limits and the bounce directions (1 = right, 1 = up).
  int32_t x = 0;
  int32_t y = 0;
  int32_t maxX = 0;
  int32_t maxY = 0;
  int32_t movingRight = 0;
  int32_t movingUp = 0;
  int32_t growth = 0;  // the zoom's added width and height
  int32_t textY = 0;   // the first text line's top
  // Half sizes of the logo and where its quadrants start before they fly apart.
  int32_t halfWidth = 0;
  int32_t halfHeight = 0;
  int32_t leftX = 0;
  int32_t rightX = 0;
  int32_t topY = 0;
  int32_t bottomY = 0;
};

FamilyAnimation startFamilyAnimation(const FamilySizes& sizes);

// Frame `animation.frame`, after which the animation moves to the next frame (back to
// 0 after the last one, where it starts over).
FamilyFrame nextFamilyFrame(FamilyAnimation& animation);

}  // namespace dovevar
