#include "document/CArchive.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "support/CardFileFixtures.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
QByteArray Hex(const char* sz) { return QByteArray::fromHex(sz); }

QByteArray RecordOf(CElement& e)
{
    QByteArray out;
    CArchive ar(&out);
    e.Serialize(ar);
    return out;
}

// Reads a record into a fresh element of type T at the given file version and
// checks that exactly the record was consumed.
template <class T>
std::unique_ptr<T> ReadRecord(const QByteArray& bytes, int32_t nVersion = kCurrentFileVersion)
{
    CFileVersionGuard restore;
    g_nFileVersion = nVersion;
    auto p = std::make_unique<T>();
    CArchive ar(bytes);
    p->Serialize(ar);
    EXPECT_EQ(ar.Remaining(), 0);
    return p;
}

// The predecessor's common block: the current one without the transparency
// byte and the side number.
QByteArray PredecessorBlock(const QByteArray& current) { return current.left(52) + current.mid(53, 4); }
}  // namespace

TEST(ElementRecords, CommonBlockLayout)
{
    CRectangle r(QPoint(100, 20), QPoint(200, 120));
    r.m_clrBorder = 0xFF010203;
    r.m_clrFill = 0xFF040506;
    r.m_clrPattern = 0xFF070809;
    r.m_nDashStyle = 3;
    r.m_nReserved = 7;
    r.m_nBorderWidth = 2;
    r.m_nRotation = -30;
    r.m_nFillPattern = 26;
    r.m_bNoFill = 1;
    r.m_nAlpha = 0x80;
    r.m_bShadow = 1;
    r.m_nSide = 2;
    const QByteArray bytes = RecordOf(r);
    EXPECT_EQ(bytes, Hex("010203000405060007080900" "03000000" "6400000014000000c800000078000000"
                         "07000000" "02000000" "e2ffffff" "1a000000" "01000000" "80" "01000000" "02000000"));
    EXPECT_EQ(ReadRecord<CRectangle>(bytes)->m_nAlpha, 0x80);
}

TEST(ElementRecords, PredecessorBlockIs56BytesAndLeavesAlphaAndSide)
{
    CRectangle r(QPoint(1, 2), QPoint(30, 40));
    r.m_nAlpha = 17;
    r.m_nSide = 2;
    r.m_nRotation = 45;
    r.m_bShadow = 1;
    const QByteArray old = PredecessorBlock(RecordOf(r));
    ASSERT_EQ(old.size(), 56);
    const auto p = ReadRecord<CRectangle>(old, 120);
    EXPECT_EQ(p->m_nAlpha, 255);
    EXPECT_EQ(p->m_nSide, 0);
    EXPECT_EQ(p->m_rcBounds, (CRect{1, 2, 30, 40}));
    EXPECT_EQ(p->m_nRotation, 45);
    EXPECT_EQ(p->m_bShadow, 1);
}

TEST(ElementRecords, TextRecordStartsWithItsTextBlock)
{
    CText t(QPoint(0, 0), QPoint(10, 10));
    t.m_nHAlign = 2;
    t.m_nVAlign = 1;
    t.m_strText = QStringLiteral("Hi");
    t.m_bVertical = 1;
    t.m_clrText = 0xFF0000FF;
    t.m_font.lfCharSet = 0xEE;
    t.m_font.lfClipPrecision = 2;
    t.m_font.lfEscapement = 900;
    t.m_font.SetFaceName(QStringLiteral("Arial"));
    t.m_font.lfHeight = 12;
    t.m_font.lfItalic = 1;
    t.m_font.lfOrientation = 450;
    t.m_font.lfOutPrecision = 3;
    t.m_font.lfPitchAndFamily = 0x22;
    t.m_font.lfQuality = 4;
    t.m_font.lfStrikeOut = 1;
    t.m_font.lfUnderline = 1;
    t.m_font.lfWeight = 700;
    t.m_font.lfWidth = 5;
    const QByteArray bytes = RecordOf(t);
    const QByteArray textBlock = Hex("02000000" "01000000" "024869" "01000000" "0000ff00" "ee" "02" "84030000"
                                     "05417269616c" "0c000000" "01" "c2010000" "03" "22" "04" "01" "01"
                                     "bc020000" "05000000");
    EXPECT_EQ(bytes.left(textBlock.size()).toHex(), textBlock.toHex());
    EXPECT_EQ(bytes.size(), textBlock.size() + 61);

    const auto p = ReadRecord<CText>(bytes);
    EXPECT_EQ(p->m_strText, t.m_strText);
    EXPECT_EQ(p->m_font, t.m_font);
    EXPECT_EQ(p->m_clrText, t.m_clrText);
    EXPECT_EQ(p->m_bVertical, 1);
    // The text block is the same in predecessor files.
    const auto old = ReadRecord<CText>(bytes.left(textBlock.size()) + PredecessorBlock(bytes.mid(textBlock.size())), 110);
    EXPECT_EQ(old->m_font, t.m_font);
}

TEST(ElementRecords, FaceNameLongerThan31CharactersIsCut)
{
    CText t(QPoint(0, 0), QPoint(10, 10));
    QByteArray bytes = RecordOf(t);
    // Replace the stored face name with 40 characters.
    const qsizetype at = 4 + 4 + 1 + 4 + 4 + 1 + 1 + 4;
    const int nOld = uchar(bytes[at]);
    bytes.replace(at, 1 + nOld, QByteArray(1, char(40)) + QByteArray(40, 'F'));
    const auto p = ReadRecord<CText>(bytes);
    EXPECT_EQ(p->m_font.lfFaceName, QString(31, QLatin1Char('F')));
}

TEST(ElementRecords, LineTailCarriesItsDirection)
{
    CLine line(QPoint(0, 0), QPoint(5, 5));
    line.m_nLineDir = 2;
    const QByteArray bytes = RecordOf(line);
    ASSERT_EQ(bytes.size(), 65);
    EXPECT_EQ(bytes.right(4), Hex("02000000"));
    EXPECT_EQ(ReadRecord<CLine>(bytes)->m_nLineDir, 2);
}

TEST(ElementRecords, PointListTail)
{
    CClosedCurve curve(QPoint(0, 0), QPoint(10, 10));
    curve.AddPoint(QPoint(1, 2));
    curve.AddPoint(QPoint(-3, 4));
    QByteArray bytes = RecordOf(curve);
    EXPECT_EQ(bytes.mid(61).toHex(), QByteArray("02000000" "0000803f" "00000040" "000040c0" "00008040"));
    const auto p = ReadRecord<CClosedCurve>(bytes);
    EXPECT_EQ(p->m_points.Points(), curve.m_points.Points());
    EXPECT_EQ(p->m_points.Capacity(), 2);

    CFreehandLine empty(QPoint(0, 0), QPoint(10, 10));
    bytes = RecordOf(empty);
    EXPECT_EQ(bytes.mid(61), Hex("00000000"));
    EXPECT_EQ(ReadRecord<CFreehandLine>(bytes)->m_points.Count(), 0);

    // A negative count reads no points.
    bytes.replace(61, 4, Hex("ffffffff"));
    EXPECT_EQ(ReadRecord<CFreehandLine>(bytes)->m_points.Count(), 0);
}

TEST(ElementRecords, PictureTailIsUncompressedArgbRows)
{
    QImage image(2, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xFFFF0000);
    image.setPixel(1, 0, 0x800000FF);
    CBtImage pic(QPoint(0, 0), QPoint(2, 1), image, 350, 200, 1);
    const QByteArray bytes = RecordOf(pic);
    EXPECT_EQ(bytes.mid(61).toHex(), QByteArray("02000000" "01000000" "ffff0000" "800000ff"));

    const auto p = ReadRecord<CBtImage>(bytes);
    EXPECT_EQ(p->m_nImageWidth, 2);
    EXPECT_EQ(p->m_nImageHeight, 1);
    ASSERT_EQ(p->m_pImage.format(), QImage::Format_ARGB32);
    EXPECT_EQ(p->m_pImage.pixel(0, 0), 0xFFFF0000u);
    EXPECT_EQ(p->m_pImage.pixel(1, 0), 0x800000FFu);
}

TEST(ElementRecords, PicturesKeepEveryPixelExactly)
{
    // Fully transparent pixels keep their colour; other formats are stored as ARGB.
    QImage image = MakeTestPicture(37, 5);
    image.setPixel(3, 2, 0x00123456);
    CBkgImage bkg(image.convertToFormat(QImage::Format_ARGB32), 350, 200);
    const auto p = ReadRecord<CBkgImage>(RecordOf(bkg));
    EXPECT_EQ(p->m_pImage, image);

    CBkgImage rgb(image.convertToFormat(QImage::Format_RGB32), 350, 200);
    const auto q = ReadRecord<CBkgImage>(RecordOf(rgb));
    EXPECT_EQ(q->m_pImage, image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32));
}

TEST(ElementRecords, PictureWithoutPixelsReadsAsEmpty)
{
    for (const char* size : {"0000000005000000", "05000000fbffffff", "0000000000000000"}) {
        CBkgImage empty;
        const QByteArray bytes = RecordOf(empty).left(61) + Hex(size);
        EXPECT_TRUE(ReadRecord<CBkgImage>(bytes)->m_pImage.isNull()) << size;
    }
}

TEST(ElementRecords, PictureLargerThanTheRestOfTheInputIsAFormatError)
{
    CBkgImage empty;
    const QByteArray common = RecordOf(empty).left(61);
    for (const char* tail : {"0200000002000000" "000000000000000000000000000000",  // one byte short
                             "a0860100a0860100",                                                // 100000 x 100000
                             "ffffff7fffffff7f"}) {                                             // INT_MAX squared
        auto p = std::make_unique<CBkgImage>();
        CArchive ar(common + Hex(tail));
        EXPECT_THROW(p->Serialize(ar), CArchiveException) << tail;
    }
}
