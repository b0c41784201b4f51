#pragma once

#include <QRgb>
#include <QtGlobal>

// Colours live in memory as ARGB (0xAARRGGBB) but are stored in card files and
// settings as 0x00BBGGRR. Storing drops the alpha; reading makes them opaque.
inline quint32 ArgbToColorRef(QRgb argb)
{
    return (quint32(qBlue(argb)) << 16) | (quint32(qGreen(argb)) << 8) | quint32(qRed(argb));
}

inline QRgb ColorRefToArgb(quint32 colorRef)
{
    return qRgba(int(colorRef & 0xFF), int((colorRef >> 8) & 0xFF), int((colorRef >> 16) & 0xFF), 0xFF);
}
