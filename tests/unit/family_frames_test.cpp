#include "about/family_frames.h"

#include <gtest/gtest.h>

#include <cmath>

namespace dovevar {
namespace {

// The product-family window as it opens: 150 × 140 dialog units, its two pictures.
constexpr FamilySizes kSizes{256, 259, 250, 230, 63, 67, 263, 63};
constexpr int32_t kCentreX = (250 - 63) / 2;  // 93
constexpr int32_t kCentreY = (230 - 67) / 2;  // 81

std::vector<FamilyFrame> cycle(const FamilySizes& sizes = kSizes, int32_t frames = kFamilyFrameCount) {
  FamilyAnimation animation = startFamilyAnimation(sizes);
  std::vector<FamilyFrame> result;
  for (int32_t i = 0; i < frames; ++i) result.push_back(nextFamilyFrame(animation));
  return result;
}

const std::vector<FamilyFrame>& frames() {
  static const std::vector<FamilyFrame> all = cycle();
  return all;
}

bool isEmpty(const FamilyFrame& frame) { return frame.drawings.empty() && frame.lines.empty(); }

FamilyRect logoAt(int32_t f) {
  const FamilyFrame& frame = frames()[f];
  EXPECT_EQ(frame.drawings.size(), 1u) << "frame " << f;
  EXPECT_EQ(frame.drawings[0].picture, FamilyPicture::kLogo) << "frame " << f;
  return frame.drawings[0].target;
}

double distance(FamilyPoint a, FamilyPoint b) { return std::hypot(a.x - b.x, a.y - b.y); }

TEST(FamilyFrames, EveryFrameStartsWithTheWholeWindowInWhite) {
  for (const FamilyFrame& frame : frames()) {
    EXPECT_EQ(frame.background, (FamilyRect{0, 0, 256, 259})) << "frame " << frame.number;
  }
}

TEST(FamilyFrames, TheGapsOfTheCycleShowAnEmptyWindow) {
  for (int32_t f : {0, 247, 249, 251, 253, 255, 256, 272, 372}) {
    EXPECT_TRUE(isEmpty(frames()[f])) << "frame " << f;
  }
  int32_t emptyFrames = 0;
  for (const FamilyFrame& frame : frames()) emptyFrames += isEmpty(frame) ? 1 : 0;
  EXPECT_EQ(emptyFrames, 9);
}

TEST(FamilyFrames, TheCycleWrapsToFrameZeroAndPlaysAgainFromTheStart) {
  const std::vector<FamilyFrame> twice = cycle(kSizes, 2 * kFamilyFrameCount);
  for (int32_t f = 0; f < kFamilyFrameCount; ++f) {
    const FamilyFrame& again = twice[kFamilyFrameCount + f];
    EXPECT_EQ(again.number, f);
    EXPECT_EQ(again.drawings, frames()[f].drawings) << "frame " << f;
    EXPECT_EQ(again.lines, frames()[f].lines) << "frame " << f;
  }
}

TEST(FamilyFrames, TheLogoShakesAboutTheCentre) {
  for (int32_t f = 1; f <= 14; ++f) {
    const int32_t offset = f % 2 == 1 ? -3 : 3;
    EXPECT_EQ(logoAt(f), (FamilyRect{kCentreX + offset, kCentreY, 63, 67})) << "frame " << f;
  }
}

TEST(FamilyFrames, TheLogoBouncesOffTheEdgesAndDriftsRightAtTheEnd) {
  // The bounce goes on from the last shake: left and down first.
  EXPECT_EQ(logoAt(15), (FamilyRect{kCentreX + 3 - 5, kCentreY + 5, 63, 67}));
  const int32_t maxX = 250 - 63, maxY = 230 - 67;
  int32_t turnsX = 0, turnsY = 0;
  for (int32_t f = 16; f <= 134; ++f) {
    const FamilyRect before = logoAt(f - 1), now = logoAt(f);
    const int32_t stepX = now.x - before.x - (f >= 120 ? 2 : 0);
    const int32_t stepY = now.y - before.y;
    ASSERT_EQ(std::abs(stepX), 5) << "frame " << f;
    ASSERT_EQ(std::abs(stepY), 5) << "frame " << f;
    if (f > 16) {
      const FamilyRect earlier = logoAt(f - 2);
      const int32_t stepBeforeX = before.x - earlier.x - (f - 1 >= 120 ? 2 : 0);
      if (stepBeforeX != stepX) {
        ++turnsX;
        // A turn follows a step past an edge, never one inside the window; the drift
        // comes after that test.
        const int32_t stepped = before.x - (f - 1 >= 120 ? 2 : 0);
        EXPECT_TRUE(stepped < 0 || stepped > maxX) << "frame " << f;
      }
      if (before.y - earlier.y != stepY) {
        ++turnsY;
        EXPECT_TRUE(before.y < 0 || before.y > maxY) << "frame " << f;
      }
    }
    EXPECT_EQ(now.width, 63);
    EXPECT_EQ(now.height, 67);
  }
  EXPECT_GE(turnsX, 2);
  EXPECT_GE(turnsY, 2);
}

TEST(FamilyFrames, TheLogoStandsCentredBeforeTheZoom) {
  EXPECT_EQ(logoAt(135), (FamilyRect{kCentreX, kCentreY, 63, 67}));
  EXPECT_EQ(logoAt(136), (FamilyRect{kCentreX, kCentreY, 63, 67}));
}

TEST(FamilyFrames, TheZoomGrowsShrinksAndEndsAtTheLogosOwnSize) {
  auto growthAt = [](int32_t f) {
    const FamilyDrawing& logo = frames()[f].drawings.at(0);
    EXPECT_EQ(logo.picture, FamilyPicture::kLogo);
    EXPECT_EQ(logo.source, (FamilyRect{0, 0, 63, 67}));
    const int32_t g = logo.target.width - 63;
    EXPECT_EQ(logo.target, (FamilyRect{(250 - g - 63) / 2, (230 - g - 67) / 2, 63 + g, 67 + g}))
        << "frame " << f;
    return g;
  };
  EXPECT_EQ(growthAt(137), 5);
  EXPECT_EQ(growthAt(164), 140);
  EXPECT_EQ(growthAt(165), 135);
  EXPECT_EQ(growthAt(204), -60);
  EXPECT_EQ(growthAt(205), -55);
  EXPECT_EQ(growthAt(216), 0);
}

TEST(FamilyFrames, TheLogoBreaksIntoFourTurningQuadrants) {
  const int32_t hw = 31, hh = 33, left = (250 - 63) / 2, top = (230 - 67) / 2;
  for (int32_t f : {217, 223, 229}) {
    const int32_t a = 5 * f - 1080;
    const std::vector<FamilyDrawing>& drawings = frames()[f].drawings;
    ASSERT_EQ(drawings.size(), 5u) << "frame " << f;  // four pieces, then the name plate
    const FamilyRect sources[] = {{0, 0, hw, hh}, {hw, 0, 32, hh}, {0, hh, hw, 34}, {hw, hh, 32, 34}};
    const FamilyPoint targets[] = {{left - a, top - a},
                                   {left + hw + a, top - a},
                                   {left - a, top + hh + a},
                                   {left + hw + a, top + hh + a}};
    for (int i = 0; i < 4; ++i) {
      const FamilyDrawing& piece = drawings[i];
      const FamilyRect target{targets[i].x, targets[i].y, sources[i].width, sources[i].height};
      EXPECT_EQ(piece.picture, FamilyPicture::kLogo);
      EXPECT_EQ(piece.source, sources[i]) << "frame " << f << " piece " << i;
      EXPECT_EQ(piece.target, target) << "frame " << f << " piece " << i;
      ASSERT_TRUE(piece.turn.has_value());
      EXPECT_EQ(*piece.turn, rotatedCopy(target, a, i == 3 ? 0 : 1)) << "frame " << f;
    }
    EXPECT_EQ(drawings[4].picture, FamilyPicture::kNamePlate);
  }
  EXPECT_EQ(frames()[217].drawings[0].turn->area, (FamilyRect{left - 5, top - 5, hw, hh}));
}

TEST(FamilyFrames, TheNamePlateGrowsInStandsAndBlinks) {
  auto plateAt = [](int32_t f) {
    const FamilyDrawing& plate = frames()[f].drawings.back();
    EXPECT_EQ(plate.picture, FamilyPicture::kNamePlate) << "frame " << f;
    EXPECT_EQ(plate.source, (FamilyRect{0, 0, 263, 63}));
    EXPECT_EQ(plate.target.x, (250 - plate.target.width) / 2) << "frame " << f;
    EXPECT_EQ(plate.target.y, (230 - plate.target.height) / 2) << "frame " << f;
    return std::pair{plate.target.width, plate.target.height};
  };
  EXPECT_EQ(plateAt(215), (std::pair{25, 6}));
  EXPECT_EQ(plateAt(227), (std::pair{145, 30}));
  EXPECT_EQ(plateAt(239), (std::pair{265, 54}));
  for (int32_t f : {240, 246, 248, 250, 252, 254, 257, 271}) {
    EXPECT_EQ(plateAt(f), (std::pair{265, 54})) << "frame " << f;
  }
  // Drawn over the zooming logo, then alone once the pieces have gone.
  EXPECT_EQ(frames()[215].drawings.size(), 2u);
  EXPECT_EQ(frames()[215].drawings[0].picture, FamilyPicture::kLogo);
  for (int32_t f = 230; f <= 246; ++f) EXPECT_EQ(frames()[f].drawings.size(), 1u) << "frame " << f;
  ASSERT_EQ(frames()[214].drawings.size(), 1u);
  EXPECT_EQ(frames()[214].drawings[0].picture, FamilyPicture::kLogo);
  EXPECT_TRUE(frames()[272].drawings.empty());
}

TEST(FamilyFrames, FourTextLinesScrollUpFromTheBottomAndStop) {
  const FamilyFrame& first = frames()[273];
  ASSERT_EQ(first.lines.size(), 4u);
  EXPECT_EQ(first.lines[0].at, (FamilyPoint{10, 230}));
  EXPECT_EQ(first.lines[1].at, (FamilyPoint{40, 250}));
  EXPECT_EQ(first.lines[2].at, (FamilyPoint{25, 270}));
  EXPECT_EQ(first.lines[3].at, (FamilyPoint{130, 290}));
  EXPECT_EQ(first.lines[1].text, u"DWG&DXFを自動処理します");
  EXPECT_EQ(first.lines[2].text, u"これがOrrinのアプリです");
  EXPECT_FALSE(first.lines[0].text.empty());
  EXPECT_FALSE(first.lines[3].text.empty());
  EXPECT_TRUE(first.drawings.empty());

  EXPECT_EQ(frames()[274].lines[0].at.y, 225);
  // 230 − 5 × 42 = 20 is the first top below 21: there the lines stop.
  EXPECT_EQ(frames()[315].lines[0].at.y, 20);
  for (int32_t f = 316; f <= 371; ++f) {
    EXPECT_EQ(frames()[f].lines[0].at.y, 20) << "frame " << f;
    EXPECT_EQ(frames()[f].lines[3].at.y, 80) << "frame " << f;
  }
}

TEST(FamilyFrames, TheLinesStopBetween16And20WhateverTheWindowHeight) {
  for (int32_t height = 100; height < 105; ++height) {
    FamilySizes sizes = kSizes;
    sizes.clientHeight = height;
    const int32_t top = cycle(sizes)[371].lines.at(0).at.y;
    EXPECT_GE(top, 16) << "height " << height;
    EXPECT_LE(top, 20) << "height " << height;
    EXPECT_EQ((height - top) % 5, 0);
  }
}

TEST(RotatedCopy, NoTurnGivesTheRectanglesOwnCorners) {
  const RotatedCopy copy = rotatedCopy({0, 0, 11, 21}, 0, 1);
  EXPECT_EQ(copy.upperLeft, (FamilyPoint{0, 0}));
  EXPECT_EQ(copy.upperRight, (FamilyPoint{10, 0}));
  EXPECT_EQ(copy.lowerLeft, (FamilyPoint{0, 20}));
  EXPECT_EQ(rotatedCopy({0, 0, 11, 21}, 0, 0), copy);
}

TEST(RotatedCopy, TheTwoDirectionsTurnOppositeWays) {
  // A quarter turn: direction 1 brings the upper-left corner down, direction 0 across.
  const RotatedCopy one = rotatedCopy({0, 0, 11, 21}, 90, 1);
  EXPECT_EQ(one.upperLeft, (FamilyPoint{-5, 15}));
  EXPECT_EQ(one.upperRight, (FamilyPoint{-5, 5}));
  EXPECT_EQ(one.lowerLeft, (FamilyPoint{15, 15}));
  const RotatedCopy zero = rotatedCopy({0, 0, 11, 21}, 90, 0);
  EXPECT_EQ(zero.upperLeft, (FamilyPoint{15, 5}));
  EXPECT_EQ(zero.upperRight, (FamilyPoint{15, 15}));
  EXPECT_EQ(zero.lowerLeft, (FamilyPoint{-5, 5}));
  // A half turn is the same either way.
  const RotatedCopy half = rotatedCopy({0, 0, 11, 21}, 180, 1);
  EXPECT_EQ(half.upperLeft, (FamilyPoint{10, 20}));
  EXPECT_EQ(half.upperRight, (FamilyPoint{0, 20}));
  EXPECT_EQ(half.lowerLeft, (FamilyPoint{10, 0}));
  EXPECT_EQ(rotatedCopy({0, 0, 11, 21}, 180, 0), half);
}

TEST(RotatedCopy, TheTurnedPictureKeepsItsSizeAndCentre) {
  const FamilyRect area{40, 30, 32, 34};
  for (int32_t degrees = 5; degrees <= 65; degrees += 5) {
    for (int32_t direction : {0, 1}) {
      const RotatedCopy copy = rotatedCopy(area, degrees, direction);
      EXPECT_NEAR(distance(copy.upperLeft, copy.upperRight), 32, 2) << degrees;
      EXPECT_NEAR(distance(copy.upperLeft, copy.lowerLeft), 34, 2) << degrees;
      // The upper-right and lower-left corners face each other across the centre.
      EXPECT_NEAR((copy.upperRight.x + copy.lowerLeft.x) / 2.0, 56, 1) << degrees;
      EXPECT_NEAR((copy.upperRight.y + copy.lowerLeft.y) / 2.0, 47, 1) << degrees;
    }
  }
}

TEST(RotatedCopy, AnEmptyRectangleStaysWhereItIs) {
  const RotatedCopy copy = rotatedCopy({7, 9, 0, 0}, 30, 1);
  EXPECT_EQ(copy.upperLeft, (FamilyPoint{7, 9}));
  EXPECT_EQ(copy.upperRight, (FamilyPoint{7, 9}));
  EXPECT_EQ(copy.lowerLeft, (FamilyPoint{7, 9}));
}

}  // namespace
}  // namespace dovevar
