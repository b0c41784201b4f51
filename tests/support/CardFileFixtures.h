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

// A small picture whose every pixel differs (Format_ARGB32).
QImage MakeTestPicture(int nWidth, int nHeight);
