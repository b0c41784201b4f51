#pragma once

#include "document/COstrelsDoc.h"

#include <QByteArray>
#include <QString>
#include <memory>

// Card files for tests. Every fixture is written by the test itself into its
// temporary folder (CurrentTestEnvironment()).

// A two-sided design holding one element of every registered class (CElement
// included), each with settings of its own: colours, rotation, alpha, side,
// pattern, flags, a text with font, point lists and small pictures. Elements
// sit on the canvas (card corner at 50, 50).
std::unique_ptr<COstrelsDoc> MakeDesignWithEveryClass();

// The bytes of the card file doc writes.
QByteArray CardFileBytes(COstrelsDoc& doc);

// Saves doc as name in the test's folder and returns the full path.
QString SaveDesignFixture(COstrelsDoc& doc, const QString& name);

// Writes bytes as name in the test's folder and returns the full path.
QString WriteFixtureFile(const QString& name, const QByteArray& bytes);

// An object list in the predecessor's record layout (common blocks without
// transparency and side). Elements are taken as they are: card-relative.
QByteArray MakePredecessorList(const std::vector<CElement*>& elements);

// The body of a predecessor file.
struct CPredecessorBody {
    QRgb clrFace = 0xFFFFFFFF;
    QRgb clrShadow = 0xFF000000;
    int32_t nShadowLength = 6;
    int32_t nCardWidth = 350;  // 1/100 inch
    int32_t nCardHeight = 200;
};

// A whole predecessor file with the given version text and object list.
QByteArray MakePredecessorFile(const QString& version, const QByteArray& list = QByteArray(2, '\0'),
                               const CPredecessorBody& body = {}, const QString& product = QStringLiteral("Vardolins"));

// A small picture whose every pixel differs (Format_ARGB32).
QImage MakeTestPicture(int nWidth, int nHeight);
