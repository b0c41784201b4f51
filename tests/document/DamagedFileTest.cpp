#include "document/CArchive.h"
#include "document/COstrelsDoc.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "platform/CPrompt.h"
#include "support/CardFileFixtures.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

// A damaged file never crashes, never opens half a design and changes
// nothing in the document it was meant for: the user sees "Unexpected file
// format." (after the predecessor notice, for old files) and nothing else.
namespace {
QByteArray Hex(const char* sz) { return QByteArray::fromHex(sz); }

QByteArray RecordOf(CElement&& e)
{
    QByteArray out;
    CArchive ar(&out);
    e.Serialize(ar);
    return out;
}

QByteArray NewClass(const QByteArray& name, uint16_t nSchema = 0)
{
    QByteArray out;
    CArchive ar(&out);
    ar.WriteUInt16(0xFFFF);
    ar.WriteUInt16(nSchema);
    ar.WriteUInt16(uint16_t(name.size()));
    ar.WriteRaw(name.constData(), name.size());
    return out;
}

QByteArray CurrentFile(const QByteArray& list)
{
    COstrelsDoc empty;
    const QByteArray bytes = CardFileBytes(empty);
    constexpr int kBody = 36;
    return bytes.left(bytes.size() - kBody - 2) + list + bytes.right(kBody);
}

// A document with something in it, to see that a failed open leaves it alone.
class DamagedFile : public testing::Test {
protected:
    void SetUp() override
    {
        m_doc.SetPathName(QStringLiteral("/designs/mine.kvzd"));
        m_doc.m_elements.push_back(std::make_unique<CCircle>(QPoint(60, 60), QPoint(80, 80)));
        m_pElement = m_doc.m_elements[0].get();
        m_doc.SetModifiedFlag(true);
    }

    QStringList OpenExpectingFailure(const QByteArray& bytes)
    {
        CScriptedPrompt prompt;
        EXPECT_FALSE(m_doc.OnOpenDocument(WriteFixtureFile(QStringLiteral("damaged.kvzd"), bytes)));
        EXPECT_EQ(g_nFileVersion, 200);
        EXPECT_EQ(m_doc.m_elements.size(), 1u);
        EXPECT_EQ(m_doc.m_elements[0].get(), m_pElement);
        EXPECT_EQ(m_doc.m_elements[0]->m_rcBounds, (CRect{60, 60, 80, 80}));
        EXPECT_EQ(m_doc.GetPathName(), QStringLiteral("/designs/mine.kvzd"));
        EXPECT_TRUE(m_doc.IsModified());
        EXPECT_EQ(m_doc.m_nCardWidth, 350);
        EXPECT_EQ(m_doc.m_nSides, 1);
        return prompt.Texts();
    }

    COstrelsDoc m_doc;
    CElement* m_pElement = nullptr;
    const QStringList m_badFormat{QStringLiteral("Unexpected file format.")};
};
}  // namespace

TEST_F(DamagedFile, EveryTruncationOfACurrentFile)
{
    auto design = MakeDesignWithEveryClass();
    const QByteArray bytes = CardFileBytes(*design);
    for (qsizetype n = 0; n < bytes.size(); ++n)
        ASSERT_EQ(OpenExpectingFailure(bytes.left(n)), m_badFormat) << "cut at " << n;
}

TEST_F(DamagedFile, EveryTruncationOfAPredecessorFile)
{
    CText text(QPoint(0, 0), QPoint(50, 20));
    text.m_strText = QStringLiteral("Old");
    const QByteArray bytes = MakePredecessorFile(QStringLiteral("1.2.0"), MakePredecessorList({&text}),
                                                 {}, QStringLiteral("Vardolins"));
    const qsizetype afterHeader = 1 + 9 + 1 + 7 + 1 + 14 + 1 + 5;
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        QStringList expected = m_badFormat;
        if (n >= afterHeader)
            expected.prepend(QStringLiteral("This file is created with an earlier version of Quarvel Kestova.\nNow you are using "
                                            "product version 2.0.\nYou can open it, but after you save the file you have to "
                                            "use the latest version(2.0) to modify your card."));
        ASSERT_EQ(OpenExpectingFailure(bytes.left(n)), expected) << "cut at " << n;
    }
    COstrelsDoc whole;
    CScriptedPrompt prompt;
    EXPECT_TRUE(whole.OnOpenDocument(WriteFixtureFile(QStringLiteral("whole.kvzd"), bytes)));
}

TEST_F(DamagedFile, BadReferencesAndImpossibleSizes)
{
    const QByteArray rect = RecordOf(CRectangle(QPoint(0, 0), QPoint(9, 9)));
    const QByteArray rectClass = NewClass("CRectangle");
    CFreehandLine line(QPoint(0, 0), QPoint(9, 9));
    const QByteArray lineRecord = RecordOf(std::move(line));
    const QByteArray pictureCommon = RecordOf(CBkgImage()).left(61);
    CText text(QPoint(0, 0), QPoint(9, 9));
    const QByteArray textRecord = RecordOf(std::move(text));

    struct Case {
        const char* szWhat;
        QByteArray list;
    };
    const Case cases[] = {
        {"unknown class", Hex("0100") + NewClass("CFoo") + rect},
        {"not an element class", Hex("0100") + NewClass("COstrelsDoc") + rect},
        {"lower-case class name", Hex("0100") + NewClass("crectangle") + rect},
        {"class name of 64 bytes", Hex("0100") + NewClass("CRectangle" + QByteArray(54, 'x')) + rect},
        {"wrong schema", Hex("0100") + NewClass("CRectangle", 1) + rect},
        {"class never handed out", Hex("0100") + Hex("0580") + rect},
        {"class number 0", Hex("0100") + Hex("0080") + rect},
        {"long class tag never handed out", Hex("0100") + Hex("ff7fffffffff") + rect},
        {"null reference", Hex("0100") + Hex("0000")},
        {"element named twice", Hex("0200") + rectClass + rect + Hex("0200")},
        {"class used as an element", Hex("0200") + rectClass + rect + Hex("0100")},
        {"element number never handed out", Hex("0100") + Hex("0900")},
        {"huge item count", Hex("ffffffffff7f") + rectClass + rect},
        {"count beyond the elements", Hex("0300") + rectClass + rect + Hex("0180") + rect},
        {"huge point count", Hex("0100") + NewClass("CFreehandLine") + lineRecord.left(61) + Hex("ffffff7f") + lineRecord},
        {"huge picture", Hex("0100") + NewClass("CBkgImage") + pictureCommon + Hex("3075000030750000")},
        {"huge text", Hex("0100") + NewClass("CText") + textRecord.left(8) + Hex("fffffffeffffff")},
        {"text length beyond 32 bits", Hex("0100") + NewClass("CText") + textRecord.left(8) + Hex("ffffffffffffff0000000001000000")},
        {"huge wide text", Hex("0100") + NewClass("CText") + textRecord.left(8) + Hex("fffeffffffffffff00ff")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(OpenExpectingFailure(CurrentFile(c.list)), m_badFormat) << c.szWhat;

    // The long form of a class tag that was handed out is fine.
    COstrelsDoc doc;
    CScriptedPrompt prompt;
    EXPECT_TRUE(doc.OnOpenDocument(WriteFixtureFile(
        QStringLiteral("long.kvzd"), CurrentFile(Hex("0200") + rectClass + rect + Hex("ff7f01000080") + rect))));
    EXPECT_EQ(doc.m_elements.size(), 2u);
}
