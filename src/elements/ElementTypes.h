#pragma once

#include <cstdint>

// Element type codes: one per element class, and the two codes that stand for
// "no element" and "the pointer tool". Never stored in files.
namespace ElementType {
inline constexpr int16_t kNone = 99;
inline constexpr int16_t kPointer = 100;
inline constexpr int16_t kLine = 101;
inline constexpr int16_t kRectangle = 102;
inline constexpr int16_t kCircle = 103;
inline constexpr int16_t kRhombus = 105;
inline constexpr int16_t kRectRound = 107;
inline constexpr int16_t kTriangle = 108;
inline constexpr int16_t kFreehandLine = 114;
inline constexpr int16_t kText = 115;
inline constexpr int16_t kPicture = 116;
inline constexpr int16_t kClosedCurve = 120;
inline constexpr int16_t kBackground = 121;
inline constexpr int16_t kCalloutBL = 201;
inline constexpr int16_t kCalloutBR = 202;
inline constexpr int16_t kParallelogram = 205;
inline constexpr int16_t kArrowLeft = 206;
inline constexpr int16_t kStar = 207;
inline constexpr int16_t kExplosion = 208;
inline constexpr int16_t kMoon = 209;
inline constexpr int16_t kArrowRight = 210;
inline constexpr int16_t kSun = 211;
}  // namespace ElementType

// Degrees to radians, the one factor every element computation uses.
inline constexpr double kDegToRad = 0.017453292522222223;
