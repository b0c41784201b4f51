#pragma once

#include <QString>

// Lengths shown to users: canvas units (1/100 inch) divided by the unit's
// divisor. The centimetre divisor is 100 / 2.54 held in single precision, the
// value the readouts have always been computed with.
namespace MeasureUnits {
inline constexpr int kInch = 0;
inline constexpr int kCentimetre = 1;
inline constexpr double kUnitsPerInch = 100.0;
inline constexpr float kUnitsPerCm = 39.37008f;

inline double Divisor(int nUnit) { return nUnit == kCentimetre ? double(kUnitsPerCm) : kUnitsPerInch; }
inline QString Suffix(int nUnit) { return nUnit == kCentimetre ? QStringLiteral(" cm") : QStringLiteral(" inch"); }
}  // namespace MeasureUnits
