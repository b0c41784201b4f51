#pragma once

#include <QByteArray>
#include <QString>

// The single-byte code page card files were written in on Windows. Decoding
// never fails (the five unassigned bytes map to the C1 controls, as Windows
// does); encoding reports whether every character could be represented.
namespace Win1252 {
QString Decode(const QByteArray& bytes);
QByteArray Encode(const QString& text, bool* pbLossless = nullptr);
bool CanEncode(const QString& text);
}  // namespace Win1252
