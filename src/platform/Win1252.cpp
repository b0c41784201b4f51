#include "platform/Win1252.h"

#include <array>

namespace {
// Bytes 0x80..0x9F; every other byte is the Latin-1 code point of the same value.
constexpr std::array<char16_t, 32> kHigh = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

int EncodeChar(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return c;
    for (size_t i = 0; i < kHigh.size(); ++i)
        if (kHigh[i] == c)
            return int(0x80 + i);
    return -1;
}
}  // namespace

QString Win1252::Decode(const QByteArray& bytes)
{
    QString s;
    s.resize(bytes.size());
    QChar* out = s.data();
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const auto b = static_cast<unsigned char>(bytes[i]);
        out[i] = (b >= 0x80 && b < 0xA0) ? QChar(kHigh[b - 0x80]) : QChar(b);
    }
    return s;
}

QByteArray Win1252::Encode(const QString& text, bool* pbLossless)
{
    QByteArray out;
    out.resize(text.size());
    bool lossless = true;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const int b = EncodeChar(text[i].unicode());
        if (b < 0) {
            lossless = false;
            out[i] = '?';
        } else {
            out[i] = static_cast<char>(b);
        }
    }
    if (pbLossless)
        *pbLossless = lossless;
    return out;
}

bool Win1252::CanEncode(const QString& text)
{
    for (QChar c : text)
        if (EncodeChar(c.unicode()) < 0)
            return false;
    return true;
}
