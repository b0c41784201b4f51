#pragma once

#include <QByteArray>

// Number conversions in the manner of the C library's atoi and atof, which
// text files and dialog boxes are read with: leading white space is skipped,
// the longest valid prefix is taken, and text without a number reads as 0.
// Unlike the C library they ignore the locale (the decimal sign is always a
// point) and saturate instead of overflowing.
namespace LenientNumbers {
int ToInt(const QByteArray& text);
double ToDouble(const QByteArray& text);
float ToFloat(const QByteArray& text);  // ToDouble as a 32-bit float
// The value in hundredths, cut towards zero (inches to canvas units).
int Hundredths(const QByteArray& text);

// Conversions that never leave the target's range; NaN gives 0.
int SaturatingInt(double x);
float SaturatingFloat(double x);
}  // namespace LenientNumbers
