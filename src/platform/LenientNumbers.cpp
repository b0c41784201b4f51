#include "platform/LenientNumbers.h"

#include <charconv>
#include <algorithm>
#include <cmath>
#include <limits>

namespace {
bool IsCSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }

// The text after leading white space and an optional sign; *pbNegative tells
// the sign.
const char* SkipToDigits(const QByteArray& text, bool* pbNegative)
{
    const char* p = text.constData();
    while (IsCSpace(*p))
        ++p;
    *pbNegative = *p == '-';
    if (*p == '-' || *p == '+')
        ++p;
    return p;
}

// A number too far from zero for a double is too small when its exponent is
// negative or its whole-number part is zero, too large otherwise.
bool IsUnderflow(const QByteArray& number)
{
    if (number.contains("e-") || number.contains("E-"))
        return true;
    for (char c : number) {
        if (c == '.' || c == 'e' || c == 'E')
            break;
        if (c >= '1' && c <= '9')
            return false;
    }
    return true;
}
}  // namespace

int LenientNumbers::SaturatingInt(double x)
{
    if (std::isnan(x))
        return 0;
    if (x >= double(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (x <= double(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return int(x);
}

float LenientNumbers::SaturatingFloat(double x)
{
    if (std::isnan(x))
        return 0.0f;
    constexpr double kMax = std::numeric_limits<float>::max();
    return float(x > kMax ? kMax : (x < -kMax ? -kMax : x));
}

int LenientNumbers::ToInt(const QByteArray& text)
{
    bool bNegative = false;
    const char* p = SkipToDigits(text, &bNegative);
    double n = 0;
    for (; *p >= '0' && *p <= '9'; ++p)
        n = std::min(n * 10 + (*p - '0'), 1e10);
    return SaturatingInt(bNegative ? -n : n);
}

double LenientNumbers::ToDouble(const QByteArray& text)
{
    bool bNegative = false;
    const char* p = SkipToDigits(text, &bNegative);
    // from_chars takes no sign of its own and reads hexadecimal only when
    // asked; a plain decimal prefix is all a layout or a box holds.
    if (*p == '-' || *p == '+')
        return 0.0;
    double x = 0.0;
    const char* end = text.constData() + text.size();
    const auto [ptr, ec] = std::from_chars(p, end, x, std::chars_format::general);
    if (ec == std::errc::result_out_of_range)
        x = IsUnderflow(QByteArray(p, ptr - p)) ? 0.0 : std::numeric_limits<double>::max();
    else if (ec != std::errc() || std::isnan(x))
        x = 0.0;
    return bNegative ? -x : x;
}

float LenientNumbers::ToFloat(const QByteArray& text) { return SaturatingFloat(ToDouble(text)); }

int LenientNumbers::Hundredths(const QByteArray& text) { return SaturatingInt(ToDouble(text) * 100); }
