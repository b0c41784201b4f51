#pragma once

#include <QString>
#include <cstdint>

// A text element's font description, member for member as card files store it.
// lfHeight is the size in points; the face name holds at most 31 characters.
struct CLogFont {
    static constexpr int kMaxFaceName = 31;

    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    QString lfFaceName;

    void SetFaceName(const QString& face) { lfFaceName = face.left(kMaxFaceName); }
    bool operator==(const CLogFont&) const = default;
};
