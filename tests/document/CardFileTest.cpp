#include "document/CArchive.h"
#include "document/COstrelsDoc.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "platform/CPrompt.h"
#include "support/CardFileFixtures.h"
#include "support/QtPrinters.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <gtest/gtest.h>

namespace {
QByteArray Hex(const char* sz) { return QByteArray::fromHex(sz); }

const char* const kBadFormat = "Unexpected file format.";
const char* const kEarlierVersion =
    "This file is created with an earlier version of Quarvel Kestova.\nNow you are using product version 2.0.\n"
    "You can open it, but after you save the file you have to use the latest version(2.0) to modify your card.";
const char* const kVeryOld =
    "This file is created using a very old version of Quarvel Kestova.\nYou can't open it directly. You need to "
    "re-create your card.";
const char* const kWrongFormat = "The file has wrong format and is not made to be used with this application.";

// The default empty design, item by item.
const char* const kEmptyHeader = "12" "56617264" "6f6c696e" "732d5374" "7564696f" "3278"  // "Vardolins-Studio2x"
                                 "14" "51756172" "76656c20" "54656368" "6e6f6c6f" "67696573"  // "Quarvel Technologies"
                                 "04" "6b767a64"  // "kvzd"
                                 "c8000000" "01000000";
const char* const kEmptyBody = "ffffff00" "ffffff00" "c8c8c800" "06000000" "30570500" "400d0300" "52030000"
                               "4c040000" "01000000";

QByteArray Header(const QByteArray& tag = "kvzd", int32_t nVersion = 200, int32_t nSides = 1)
{
    QByteArray out;
    CArchive ar(&out);
    ar.WriteString(QStringLiteral("Vardolins-Studio2x"));
    ar.WriteString(QStringLiteral("Quarvel Technologies"));
    ar.WriteString(QString::fromLatin1(tag));
    ar.WriteInt32(nVersion);
    ar.WriteInt32(nSides);
    return out;
}

QByteArray Body(int32_t w, int32_t h, int32_t nSides = 1)
{
    QByteArray out;
    CArchive ar(&out);
    ar.WriteColor(0xFFFF0000);
    ar.WriteColor(0xFF00FF00);
    ar.WriteColor(0xFF0000FF);
    ar.WriteInt32(11);
    ar.WritePair(w, h);
    ar.WritePair(900, 1200);
    ar.WriteInt32(nSides);
    return out;
}

// An old-layout list of one rectangle (card-relative 10, 20, 110, 70).
QByteArray PredecessorRectangleList()
{
    CRectangle r(QPoint(10, 20), QPoint(110, 70));
    r.m_nAlpha = 3;
    r.m_nSide = 2;
    return MakePredecessorList({&r});
}

QByteArray PredecessorFile(const QString& product, const QString& version, const QByteArray& list)
{
    return MakePredecessorFile(version, list, {0xFFAABBCC, 0xFF112233, 4, 300, 175}, product);
}

struct COpened {
    COstrelsDoc doc;
    bool bOk = false;
    QStringList texts;
};

std::unique_ptr<COpened> Open(const QByteArray& bytes)
{
    auto r = std::make_unique<COpened>();
    CScriptedPrompt prompt;
    r->bOk = r->doc.OnOpenDocument(WriteFixtureFile(QStringLiteral("in.kvzd"), bytes));
    r->texts = prompt.Texts();
    EXPECT_EQ(g_nFileVersion, 200);
    return r;
}
}  // namespace

TEST(CardFile, DefaultEmptyDesignBytes)
{
    COstrelsDoc doc;
    EXPECT_EQ(CardFileBytes(doc), Hex(kEmptyHeader) + Hex("0000") + Hex(kEmptyBody));
}

TEST(CardFile, ElementsAreStoredRelativeToTheCardCorner)
{
    COstrelsDoc doc;
    doc.m_elements.push_back(std::make_unique<CRectangle>(QPoint(150, 70), QPoint(250, 170)));
    auto curve = std::make_unique<CFreehandLine>(QPoint(60, 60), QPoint(70, 70));
    curve->AddPoint(QPoint(61, 62));
    doc.m_elements.push_back(std::move(curve));
    const QByteArray bytes = CardFileBytes(doc);
    const qsizetype rect = Hex(kEmptyHeader).size() + 2 + 16 + 16;
    EXPECT_EQ(bytes.mid(rect, 16), Hex("64000000" "14000000" "c8000000" "78000000"));
    EXPECT_EQ(bytes.right(36 + 8), Hex("0000304100004041") + Hex(kEmptyBody));  // the point (11, 12)
    // The design itself stays where it was.
    EXPECT_EQ(doc.m_elements[0]->m_rcBounds, (CRect{150, 70, 250, 170}));
    EXPECT_EQ(static_cast<CFreehandLine&>(*doc.m_elements[1]).m_points.Points()[0], (CPointF{61, 62}));
}

TEST(CardFile, EveryClassSurvivesAWriteAndARead)
{
    auto original = MakeDesignWithEveryClass();
    original->m_elements[3]->m_bLocked = 1;
    const QByteArray bytes = CardFileBytes(*original);
    const auto r = Open(bytes);
    ASSERT_TRUE(r->bOk);
    EXPECT_TRUE(r->texts.isEmpty());
    const COstrelsDoc& doc = r->doc;
    EXPECT_EQ(doc.LoadedFileVersion(), 200);
    EXPECT_EQ(doc.m_nSides, 2);
    EXPECT_EQ(doc.m_clrFront, original->m_clrFront);
    EXPECT_EQ(doc.m_clrBack, original->m_clrBack);
    EXPECT_EQ(doc.m_clrShadowDefault, original->m_clrShadowDefault);
    EXPECT_EQ(doc.m_nShadowLengthDefault, 9);
    EXPECT_EQ(doc.m_nSheetWidth, 827);
    EXPECT_EQ(doc.m_nSheetHeight, 1169);
    EXPECT_EQ(doc.m_nCardWidth, 350);
    EXPECT_EQ(doc.m_nCardHeightFine, 200000);
    ASSERT_EQ(doc.m_elements.size(), original->m_elements.size());
    for (size_t i = 0; i < doc.m_elements.size(); ++i) {
        const CElement& a = *original->m_elements[i];
        const CElement& b = *doc.m_elements[i];
        SCOPED_TRACE(a.GetClassName());
        EXPECT_STREQ(b.GetClassName(), a.GetClassName());
        EXPECT_EQ(b.m_nType, a.m_nType == 0 ? ElementType::kNone : a.m_nType);
        EXPECT_EQ(b.m_rcBounds, a.m_rcBounds);
        EXPECT_EQ(b.m_nSide, a.m_nSide);
        EXPECT_EQ(b.m_clrBorder, a.m_clrBorder);
        EXPECT_EQ(b.m_clrFill, a.m_clrFill);
        EXPECT_EQ(b.m_clrPattern, a.m_clrPattern);
        EXPECT_EQ(b.m_nDashStyle, a.m_nDashStyle);
        EXPECT_EQ(b.m_nReserved, a.m_nReserved);
        EXPECT_EQ(b.m_nBorderWidth, a.m_nBorderWidth);
        EXPECT_EQ(b.m_nRotation, a.m_nRotation);
        EXPECT_EQ(b.m_nFillPattern, a.m_nFillPattern);
        EXPECT_EQ(b.m_bNoFill, a.m_bNoFill);
        EXPECT_EQ(b.m_nAlpha, a.m_nAlpha);
        EXPECT_EQ(b.m_bShadow, a.m_bShadow);
        EXPECT_EQ(b.m_bLocked, 0);
        EXPECT_EQ(b.m_nShadowOffset, 9);
        EXPECT_EQ(b.m_clrShadow, original->m_clrShadowDefault);
    }
    const auto& text = dynamic_cast<const CText&>(*doc.m_elements[8]);
    const auto& text0 = dynamic_cast<const CText&>(*original->m_elements[8]);
    EXPECT_EQ(text.m_strText, text0.m_strText);
    EXPECT_EQ(text.m_font, text0.m_font);
    EXPECT_EQ(text.m_clrText, text0.m_clrText);
    EXPECT_EQ(dynamic_cast<const CLine&>(*doc.m_elements[1]).m_nLineDir, original->m_elements[1]->m_nLineDir);
    EXPECT_EQ(dynamic_cast<const CFreehandLine&>(*doc.m_elements[7]).m_points.Points(),
              dynamic_cast<const CFreehandLine&>(*original->m_elements[7]).m_points.Points());
    EXPECT_EQ(dynamic_cast<const CBtImage&>(*doc.m_elements[9]).m_pImage,
              dynamic_cast<const CBtImage&>(*original->m_elements[9]).m_pImage);
    EXPECT_EQ(dynamic_cast<const CBkgImage&>(*doc.m_elements[11]).m_pImage,
              dynamic_cast<const CBkgImage&>(*original->m_elements[11]).m_pImage);
    // Writing what was read gives the same file again.
    original->m_elements[3]->m_bLocked = 0;
    EXPECT_EQ(CardFileBytes(r->doc), bytes);
}

TEST(CardFile, FormatTags)
{
    struct Case {
        const char* szTag;
        bool bAccepted;
    };
    for (const Case& c : {Case{"kvzd", true}, Case{"kzd", true}, Case{"abc", true}, Case{"", false},
                          Case{"KVZD", false}, Case{"kzt", false}, Case{"kvzd ", false}}) {
        const auto r = Open(Header(c.szTag) + Hex("0000") + Body(350, 200));
        EXPECT_EQ(r->bOk, c.bAccepted) << c.szTag;
        if (c.bAccepted)
            EXPECT_TRUE(r->texts.isEmpty());
        else
            EXPECT_EQ(r->texts, QStringList{QLatin1String(kWrongFormat)}) << c.szTag;
    }
}

TEST(CardFile, PredecessorVersionTexts)
{
    struct Case {
        const char* szProduct;
        const char* szVersion;
        int32_t nVersion;  // 0: refused
    };
    const Case cases[] = {
        {"Vardolins", "1.2.0", 120},  {"Vardolin", " 1.1.0  ", 110}, {"Vardolins", "\t1.0.1\r\n", 101},
        {"Vardolins", "1.0.0", 0},    {"Vardolin", "", 0},           {"Vardolins", "1.1", 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.szVersion);
        const auto r = Open(PredecessorFile(QLatin1String(c.szProduct), QLatin1String(c.szVersion),
                                            PredecessorRectangleList()));
        ASSERT_EQ(r->bOk, c.nVersion != 0);
        if (!r->bOk) {
            EXPECT_EQ(r->texts, QStringList{QLatin1String(kVeryOld)});
            EXPECT_TRUE(r->doc.m_elements.empty());
            continue;
        }
        EXPECT_EQ(r->texts, QStringList{QLatin1String(kEarlierVersion)});
        const COstrelsDoc& doc = r->doc;
        EXPECT_EQ(doc.LoadedFileVersion(), c.nVersion);
        EXPECT_EQ(doc.m_nSides, 1);
        EXPECT_EQ(doc.m_clrFront, 0xFFAABBCCu);
        EXPECT_EQ(doc.m_clrBack, 0xFFAABBCCu);
        EXPECT_EQ(doc.m_nCardWidth, 300);
        EXPECT_EQ(doc.m_nCardHeightFine, 175000);
        EXPECT_EQ(doc.m_nSheetWidth, 850);
        EXPECT_EQ(doc.m_nSheetHeight, 1100);
        ASSERT_EQ(doc.m_elements.size(), 1u);
        const CElement& e = *doc.m_elements[0];
        EXPECT_EQ(e.m_nType, ElementType::kRectangle);
        EXPECT_EQ(e.m_nSide, 1);
        EXPECT_EQ(e.m_nAlpha, 255);
        EXPECT_EQ(e.m_rcBounds, (CRect{60, 70, 160, 120}));
        EXPECT_EQ(e.m_nShadowOffset, 4);
        EXPECT_EQ(e.m_clrShadow, 0xFF112233u);
    }
}

TEST(CardFile, PredecessorDesignIsSavedInTheCurrentFormat)
{
    auto r = Open(PredecessorFile(QStringLiteral("Vardolins"), QStringLiteral("1.2.0"), PredecessorRectangleList()));
    ASSERT_TRUE(r->bOk);
    const QByteArray saved = CardFileBytes(r->doc);
    EXPECT_EQ(saved.left(Hex(kEmptyHeader).size()), Hex(kEmptyHeader));
    const auto again = Open(saved);
    ASSERT_TRUE(again->bOk);
    EXPECT_EQ(again->doc.LoadedFileVersion(), 200);
    EXPECT_EQ(again->doc.m_elements[0]->m_rcBounds, (CRect{60, 70, 160, 120}));
}

TEST(CardFile, CardSizePairs)
{
    struct Case {
        int32_t w, h, nWidth, nHeight, nWidthFine, nHeightFine;
    };
    const Case cases[] = {
        {350, 200, 350, 200, 350000, 200000},
        {350000, 200000, 350, 200, 350000, 200000},
        {10000, 5, 10000, 5, 10000000, 5000},
        {10001, 5499, 10, 5, 10001, 5499},
        {334645, 212598, 335, 213, 334645, 212598},
    };
    for (const Case& c : cases) {
        const auto r = Open(Header() + Hex("0000") + Body(c.w, c.h));
        ASSERT_TRUE(r->bOk);
        EXPECT_EQ(r->doc.m_nCardWidth, c.nWidth) << c.w;
        EXPECT_EQ(r->doc.m_nCardHeight, c.nHeight) << c.w;
        EXPECT_EQ(r->doc.m_nCardWidthFine, c.nWidthFine) << c.w;
        EXPECT_EQ(r->doc.m_nCardHeightFine, c.nHeightFine) << c.w;
    }
}

TEST(CardFile, SideCountAtTheEndWins)
{
    EXPECT_EQ(Open(Header("kvzd", 200, 2) + Hex("0000") + Body(350, 200, 1))->doc.m_nSides, 1);
    EXPECT_EQ(Open(Header("kvzd", 200, 1) + Hex("0000") + Body(350, 200, 2))->doc.m_nSides, 2);
}

TEST(CardFile, MissingFileIsReportedWithItsName)
{
    CScriptedPrompt prompt;
    COstrelsDoc doc;
    const QString path = CurrentTestEnvironment().Path(QStringLiteral("nowhere.kvzd"));
    EXPECT_FALSE(doc.OnOpenDocument(path));
    EXPECT_EQ(prompt.Texts(),
              QStringList{path + QStringLiteral("\nCannot find this file.\nPlease verify that the correct path and file name are given.")});
}

TEST(CardFile, OpeningSetsPathTitleAndClearsModified)
{
    auto design = MakeDesignWithEveryClass();
    const QString path = SaveDesignFixture(*design, QStringLiteral("every.kvzd"));
    COstrelsDoc doc;
    doc.SetModifiedFlag(true);
    int nUpdates = 0;
    QObject::connect(&doc, &COstrelsDoc::updateAllViews, [&](CElement*) { ++nUpdates; });
    ASSERT_TRUE(doc.OnOpenDocument(path));
    EXPECT_EQ(doc.GetPathName(), path);
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("every.kvzd"));
    EXPECT_FALSE(doc.IsModified());
    EXPECT_GE(nUpdates, 1);
}

TEST(CardFile, CoordinatesAtTheEdgesOfTheRangeSurviveExactly)
{
    COstrelsDoc doc;
    auto curve = std::make_unique<CFreehandLine>(QPoint(0, 0), QPoint(1, 1));
    curve->AddPoint(QPoint(1, 2));
    curve->m_rcBounds = {INT32_MIN + 10, 0, INT32_MAX - 10, 10};
    doc.m_elements.push_back(std::move(curve));
    const QByteArray bytes = CardFileBytes(doc);
    EXPECT_EQ(doc.m_elements[0]->m_rcBounds, (CRect{INT32_MIN + 10, 0, INT32_MAX - 10, 10}));
    EXPECT_EQ(static_cast<CFreehandLine&>(*doc.m_elements[0]).m_points.Points()[0], (CPointF{1, 2}));
    const auto r = Open(bytes);
    ASSERT_TRUE(r->bOk);
    EXPECT_EQ(CardFileBytes(r->doc), bytes);
}
