#include "about/family_frames.h"

#include <cmath>

namespace dovevar {
namespace {

// Phases of the cycle, as first and last frame.
constexpr int32_t kShakeFirst = 1, kShakeLast = 14;
constexpr int32_t kBounceFirst = 15, kBounceLast = 134;
constexpr int32_t kDriftFirst = 120;  // the bounce's last frames also drift right
constexpr int32_t kCentreFirst = 135, kCentreLast = 136;
constexpr int32_t kZoomFirst = 137, kZoomLast = 216;
constexpr int32_t kZoomInLast = 164, kZoomOutLast = 204;
constexpr int32_t kBreakFirst = 217, kBreakLast = 229;
constexpr int32_t kPlateFirst = 215, kPlateGrowLast = 239, kPlateLast = 271;
constexpr int32_t kTextFirst = 273, kTextLast = 371;

constexpr int32_t kShakeAmplitude = 3;
constexpr int32_t kBounceStep = 5;
constexpr int32_t kDriftStep = 2;
constexpr int32_t kZoomStep = 5;
constexpr int32_t kPlateWidth = 265, kPlateHeight = 54;  // its size once grown
constexpr int32_t kTextStep = 5;
constexpr int32_t kTextStopAbove = 21;  // the lines stop once the first is above this
constexpr int32_t kLineSpacing = 20;

constexpr std::u16string_view kSlogan = u"図面の一括処理をもっと手軽に";
constexpr std::u16string_view kWhatItDoes = u"DWG&DXFを自動処理します";
constexpr std::u16string_view kFamilyLine = u"これがOrrinのアプリです";
constexpr std::u16string_view kMakerLine = u"by Quillmark";

// One degree in radians, as the turn has always computed it.
constexpr double kRadiansPerDegree = 0.017453292519444445;

// The products r·cos and r·sin are cut toward zero before they are added.
int32_t cut(double value) { return static_cast<int32_t>(std::trunc(value)); }

bool plateShown(int32_t f) {
  if (f >= kPlateFirst && f <= 246) return true;
  if (f == 248 || f == 250 || f == 252 || f == 254) return true;  // the blink
  return f >= 257 && f <= kPlateLast;
}

void setUp(FamilyAnimation& a) {
  a.maxX = a.sizes.clientWidth - a.sizes.logoWidth;
  a.maxY = a.sizes.clientHeight - a.sizes.logoHeight;
  a.x = a.maxX / 2;
  a.y = a.maxY / 2;
  a.movingRight = 0;
  a.movingUp = 0;
  a.growth = 0;
  a.textY = 0;
  a.halfWidth = a.sizes.logoWidth / 2;
  a.halfHeight = a.sizes.logoHeight / 2;
  a.leftX = a.maxX / 2;
  a.rightX = a.leftX + a.halfWidth;
  a.topY = a.maxY / 2;
  a.bottomY = a.topY + a.halfHeight;
}

void centre(FamilyAnimation& a) {
  a.x = (a.sizes.clientWidth - a.sizes.logoWidth) / 2;
  a.y = (a.sizes.clientHeight - a.sizes.logoHeight) / 2;
}

void bounce(FamilyAnimation& a, int32_t f) {
  if (a.movingRight == 1) {
    a.x += kBounceStep;
    if (a.x > a.maxX) a.movingRight = 0;
  } else {
    a.x -= kBounceStep;
    if (a.x < 0) a.movingRight = 1;
  }
  if (a.movingUp == 1) {
    a.y -= kBounceStep;
    if (a.y < 0) a.movingUp = 0;
  } else {
    a.y += kBounceStep;
    if (a.y > a.maxY) a.movingUp = 1;
  }
  if (f >= kDriftFirst) a.x += kDriftStep;
}

FamilyRect wholeLogo(const FamilyAnimation& a) {
  return {0, 0, a.sizes.logoWidth, a.sizes.logoHeight};
}

void addLogoAt(FamilyFrame& frame, const FamilyAnimation& a) {
  frame.drawings.push_back({FamilyPicture::kLogo, wholeLogo(a),
                            {a.x, a.y, a.sizes.logoWidth, a.sizes.logoHeight}, std::nullopt});
}

void addZoomedLogo(FamilyFrame& frame, FamilyAnimation& a, int32_t f) {
  const bool shrinking = f > kZoomInLast && f <= kZoomOutLast;
  a.growth += shrinking ? -kZoomStep : kZoomStep;
  const int32_t g = a.growth;
  const int32_t width = a.sizes.logoWidth, height = a.sizes.logoHeight;
  frame.drawings.push_back({FamilyPicture::kLogo, wholeLogo(a),
                            {(a.sizes.clientWidth - g - width) / 2,
                             (a.sizes.clientHeight - g - height) / 2, width + g, height + g},
                            std::nullopt});
}

void addQuadrants(FamilyFrame& frame, const FamilyAnimation& a, int32_t f) {
  const int32_t spread = 5 * f - 1080;  // both the distance and the angle
  const int32_t hw = a.halfWidth, hh = a.halfHeight;
  const int32_t restWidth = a.sizes.logoWidth - hw, restHeight = a.sizes.logoHeight - hh;
  struct Quadrant {
    FamilyRect source;
    FamilyPoint at;
    int32_t direction;
  };
  const Quadrant quadrants[] = {
      {{0, 0, hw, hh}, {a.leftX - spread, a.topY - spread}, 1},
      {{hw, 0, restWidth, hh}, {a.rightX + spread, a.topY - spread}, 1},
      {{0, hh, hw, restHeight}, {a.leftX - spread, a.bottomY + spread}, 1},
      {{hw, hh, restWidth, restHeight}, {a.rightX + spread, a.bottomY + spread}, 0},
  };
  for (const Quadrant& q : quadrants) {
    const FamilyRect target{q.at.x, q.at.y, q.source.width, q.source.height};
    frame.drawings.push_back(
        {FamilyPicture::kLogo, q.source, target, rotatedCopy(target, spread, q.direction)});
  }
}

void addLogo(FamilyFrame& frame, FamilyAnimation& a, int32_t f) {
  if (f >= kShakeFirst && f <= kShakeLast) {
    centre(a);
    a.x += (f % 2 == 1) ? -kShakeAmplitude : kShakeAmplitude;
    addLogoAt(frame, a);
  } else if (f >= kBounceFirst && f <= kBounceLast) {
    bounce(a, f);
    addLogoAt(frame, a);
  } else if (f >= kCentreFirst && f <= kCentreLast) {
    centre(a);
    addLogoAt(frame, a);
  } else if (f >= kZoomFirst && f <= kZoomLast) {
    addZoomedLogo(frame, a, f);
  } else if (f >= kBreakFirst && f <= kBreakLast) {
    addQuadrants(frame, a, f);
  }
}

void addPlate(FamilyFrame& frame, const FamilyAnimation& a, int32_t f) {
  if (!plateShown(f)) return;
  const bool growing = f <= kPlateGrowLast;
  const int32_t width = growing ? 10 * f - 2125 : kPlateWidth;
  const int32_t height = growing ? 2 * f - 424 : kPlateHeight;
  frame.drawings.push_back({FamilyPicture::kNamePlate,
                            {0, 0, a.sizes.plateWidth, a.sizes.plateHeight},
                            {(a.sizes.clientWidth - width) / 2,
                             (a.sizes.clientHeight - height) / 2, width, height},
                            std::nullopt});
}

void addText(FamilyFrame& frame, FamilyAnimation& a, int32_t f) {
  if (f < kTextFirst || f > kTextLast) return;
  if (f == kTextFirst) {
    a.textY = a.sizes.clientHeight;
  } else if (a.textY >= kTextStopAbove) {
    a.textY -= kTextStep;
  }
  const int32_t top = a.textY;
  frame.lines = {{{10, top}, kSlogan},
                 {{40, top + kLineSpacing}, kWhatItDoes},
                 {{25, top + 2 * kLineSpacing}, kFamilyLine},
                 {{130, top + 3 * kLineSpacing}, kMakerLine}};
}

}  // namespace

RotatedCopy rotatedCopy(FamilyRect area, int32_t degrees, int32_t direction) {
  const int32_t cx = area.x + area.width / 2;
  const int32_t cy = area.y + area.height / 2;
  const double halfWidth = area.width * 0.5, halfHeight = area.height * 0.5;
  // atan2 equals the arctangent of halfHeight / halfWidth for every real rectangle and
  // stays defined for an empty one.
  const double alpha = std::atan2(halfHeight, halfWidth);
  const double r = std::sqrt(halfHeight * halfHeight + halfWidth * halfWidth);
  const double theta = degrees * kRadiansPerDegree;
  const double beta1 = direction == 1 ? alpha - theta : alpha + theta;
  const double beta2 = direction == 1 ? alpha + theta : alpha - theta;
  return {area,
          {cx - cut(r * std::cos(beta1)), cy - cut(r * std::sin(beta1))},
          {cx + cut(r * std::cos(beta2)), cy - cut(r * std::sin(beta2))},
          {cx - cut(r * std::cos(beta2)), cy + cut(r * std::sin(beta2))}};
}

FamilyAnimation startFamilyAnimation(const FamilySizes& sizes) {
  FamilyAnimation animation;
  animation.sizes = sizes;
  return animation;
}

FamilyFrame nextFamilyFrame(FamilyAnimation& animation) {
  const int32_t f = animation.frame;
  FamilyFrame frame;
  frame.number = f;
  frame.background = {0, 0, animation.sizes.windowWidth, animation.sizes.windowHeight};
  if (f == 0) {
    setUp(animation);
  } else {
    addLogo(frame, animation, f);
    addPlate(frame, animation, f);
    addText(frame, animation, f);
  }
  animation.frame = f + 1 < kFamilyFrameCount ? f + 1 : 0;
  return frame;
}

}  // namespace dovevar
