#include "document/CArchive.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "support/BatchRun.h"
#include "support/CardFileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QCryptographicHash>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <gtest/gtest.h>

namespace {
QJsonObject Info(const QString& path)
{
    const CRun r = RunKestova({QStringLiteral("--info"), path});
    EXPECT_EQ(r.nExit, 0) << r.err.toStdString();
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(r.out, &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << r.out.constData();
    return doc.object();
}

QJsonObject Find(const QJsonArray& elements, const char* szClass)
{
    for (const auto& v : elements)
        if (v.toObject()[QStringLiteral("class")].toString() == QLatin1String(szClass))
            return v.toObject();
    return {};
}
}  // namespace

TEST(BatchInfo, DescribesEveryElementOfADesign)
{
    auto design = MakeDesignWithEveryClass();
    const QString path = SaveDesignFixture(*design, QStringLiteral("every.kvzd"));
    const QJsonObject info = Info(path);
    EXPECT_EQ(info[QStringLiteral("version")].toInt(), 200);
    EXPECT_EQ(info[QStringLiteral("sides")].toInt(), 2);
    EXPECT_EQ(info[QStringLiteral("cardWidth")].toInt(), 350);
    EXPECT_EQ(info[QStringLiteral("cardHeightFine")].toInt(), 200000);
    EXPECT_EQ(info[QStringLiteral("sheetWidth")].toInt(), 827);
    EXPECT_EQ(info[QStringLiteral("faceFront")].toString(), QStringLiteral("FFFFF0E0"));
    EXPECT_EQ(info[QStringLiteral("faceBack")].toString(), QStringLiteral("FF102030"));
    EXPECT_EQ(info[QStringLiteral("shadowColor")].toString(), QStringLiteral("FF404040"));
    EXPECT_EQ(info[QStringLiteral("shadowLength")].toInt(), 9);
    const QJsonArray elements = info[QStringLiteral("elements")].toArray();
    ASSERT_EQ(elements.size(), qsizetype(design->m_elements.size()));
    for (qsizetype i = 0; i < elements.size(); ++i)
        EXPECT_EQ(elements[i].toObject()[QStringLiteral("class")].toString(),
                  QLatin1String(design->m_elements[size_t(i)]->GetClassName()));

    const CElement& r0 = *design->m_elements[2];
    const QJsonObject rect = Find(elements, "CRectangle");
    EXPECT_EQ(rect[QStringLiteral("type")].toInt(), 102);
    EXPECT_EQ(rect[QStringLiteral("bounds")].toArray(),
              (QJsonArray{r0.m_rcBounds.left, r0.m_rcBounds.top, r0.m_rcBounds.right, r0.m_rcBounds.bottom}));
    EXPECT_EQ(rect[QStringLiteral("border")].toString(), QStringLiteral("FF030609"));
    EXPECT_EQ(rect[QStringLiteral("alpha")].toInt(), r0.m_nAlpha);
    EXPECT_EQ(rect[QStringLiteral("rotation")].toInt(), r0.m_nRotation);
    EXPECT_EQ(rect[QStringLiteral("reserved")].toInt(), r0.m_nReserved);
    EXPECT_EQ(rect[QStringLiteral("locked")].toInt(), 0);
    EXPECT_EQ(rect[QStringLiteral("shadowOffset")].toInt(), 9);
    EXPECT_FALSE(rect.contains(QStringLiteral("lineDir")));
    EXPECT_EQ(Find(elements, "CElement")[QStringLiteral("type")].toInt(), 99);
    EXPECT_EQ(Find(elements, "CLine")[QStringLiteral("lineDir")].toInt(), design->m_elements[1]->m_nLineDir);
    EXPECT_EQ(Find(elements, "CClosedCurve")[QStringLiteral("points")].toArray()[1].toArray(),
              (QJsonArray{60 + 7 * 10 + 5, 55 + 3 * 10 + 1}));

    const QJsonObject text = Find(elements, "CText");
    EXPECT_EQ(text[QStringLiteral("text")].toString(), QStringLiteral("Jörg Müller\nCafé €5"));
    EXPECT_EQ(text[QStringLiteral("textColor")].toString(), QStringLiteral("FF336699"));
    const QJsonObject font = text[QStringLiteral("font")].toObject();
    EXPECT_EQ(font[QStringLiteral("faceName")].toString(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(font[QStringLiteral("weight")].toInt(), 700);
    EXPECT_EQ(font[QStringLiteral("charSet")].toInt(), 238);
    EXPECT_EQ(font.size(), 14);

    // The hash is of alpha, red, green, blue per pixel, top row first.
    const QImage image = MakeTestPicture(4, 3);
    QByteArray pixels;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x) {
            const QRgb c = image.pixel(x, y);
            pixels += char(qAlpha(c));
            pixels += char(qRed(c));
            pixels += char(qGreen(c));
            pixels += char(qBlue(c));
        }
    const QJsonObject bkg = Find(elements, "CBkgImage");
    EXPECT_EQ(bkg[QStringLiteral("imageWidth")].toInt(), 4);
    EXPECT_EQ(bkg[QStringLiteral("imageHeight")].toInt(), 3);
    EXPECT_EQ(bkg[QStringLiteral("pixelsSha256")].toString(),
              QString::fromLatin1(QCryptographicHash::hash(pixels, QCryptographicHash::Sha256).toHex()));
    EXPECT_EQ(Find(elements, "CBtImage")[QStringLiteral("imageWidth")].toInt(), 3);
}

TEST(BatchInfo, PredecessorFileHasOneSideAndTheDefaultSheet)
{
    const QByteArray bytes = MakePredecessorFile(QStringLiteral(" 1.1.0 "), QByteArray(2, '\0'), {0xFF123456},
                                                 QStringLiteral("Vardolin"));
    const QJsonObject info = Info(WriteFixtureFile(QStringLiteral("old.kvzd"), bytes));
    EXPECT_EQ(info[QStringLiteral("version")].toInt(), 110);
    EXPECT_EQ(info[QStringLiteral("sides")].toInt(), 1);
    EXPECT_EQ(info[QStringLiteral("faceFront")].toString(), QStringLiteral("FF123456"));
    EXPECT_EQ(info[QStringLiteral("faceBack")].toString(), QStringLiteral("FF123456"));
    EXPECT_EQ(info[QStringLiteral("sheetWidth")].toInt(), 850);
    EXPECT_EQ(info[QStringLiteral("sheetHeight")].toInt(), 1100);
    EXPECT_EQ(info[QStringLiteral("cardWidthFine")].toInt(), 350000);
}

TEST(BatchCardFile, FailuresAndUsage)
{
    const QString damaged = WriteFixtureFile(QStringLiteral("bad.kvzd"), QByteArray("\x04kvzd", 5));
    const QString missing = CurrentTestEnvironment().Path(QStringLiteral("missing.kvzd"));
    struct Case {
        QStringList args;
        int nExit;
        QString err;
    };
    const Case cases[] = {
        {{QStringLiteral("--info"), damaged}, 1, QStringLiteral("Unexpected file format.")},
        {{QStringLiteral("--info"), missing}, 1,
         missing + QStringLiteral("\nCannot find this file.\nPlease verify that the correct path and file name are given.")},
        {{QStringLiteral("--convert"), CurrentTestEnvironment().Path(QStringLiteral("out.kvzd")), damaged}, 1,
         QStringLiteral("Unexpected file format.")},
        {{QStringLiteral("--info")}, 2, QStringLiteral("usage: kestova --info FILE")},
        {{QStringLiteral("--info"), damaged, damaged}, 2, QStringLiteral("usage: kestova --info FILE")},
        {{QStringLiteral("--convert"), damaged}, 2, QStringLiteral("usage: kestova --convert OUT IN")},
    };
    for (const Case& c : cases) {
        const CRun r = RunKestova(c.args);
        EXPECT_EQ(r.nExit, c.nExit) << c.args.join(u' ').toStdString();
        // Qt may add its own environment warnings before the program's message.
        EXPECT_TRUE(r.err.endsWith(c.err)) << r.err.toStdString();
        EXPECT_TRUE(r.out.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(CurrentTestEnvironment().Path(QStringLiteral("out.kvzd"))));
}

TEST(BatchCardFile, ConvertWritesTheCurrentFormat)
{
    const QByteArray old = MakePredecessorFile(QStringLiteral("1.0.1"), QByteArray(2, '\0'),
                                               {0xFF123456, 0xFF000000, 5, 300, 200});
    const QString in = WriteFixtureFile(QStringLiteral("old.kvzd"), old);
    const QString out = CurrentTestEnvironment().Path(QStringLiteral("new.kvzd"));
    const CRun r = RunKestova({QStringLiteral("--convert"), out, in});
    EXPECT_EQ(r.nExit, 0);
    EXPECT_TRUE(r.err.contains(QStringLiteral("This file is created with an earlier version")));
    COstrelsDoc expected;
    expected.m_clrFront = expected.m_clrBack = 0xFF123456;
    expected.m_clrShadowDefault = 0xFF000000;
    expected.m_nShadowLengthDefault = 5;
    expected.m_nCardWidth = 300;
    expected.m_nCardWidthFine = 300000;
    EXPECT_EQ(FileBytes(out), CardFileBytes(expected));

    // A current file converts to itself.
    auto design = MakeDesignWithEveryClass();
    const QString every = SaveDesignFixture(*design, QStringLiteral("every.kvzd"));
    const QString again = CurrentTestEnvironment().Path(QStringLiteral("again.kvzd"));
    EXPECT_EQ(RunKestova({QStringLiteral("--convert"), again, every}).nExit, 0);
    EXPECT_EQ(FileBytes(again), FileBytes(every));
}
