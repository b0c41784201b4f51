#pragma once

#include <QByteArray>
#include <QString>
#include <ostream>

// Readable GoogleTest output for Qt values: bytes in hex, text as UTF-8.
inline void PrintTo(const QByteArray& bytes, std::ostream* os) { *os << '[' << bytes.toHex(' ').constData() << ']'; }
inline void PrintTo(const QString& text, std::ostream* os) { *os << '"' << text.toStdString() << '"'; }
