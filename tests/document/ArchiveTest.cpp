#include "document/CArchive.h"
#include "elements/CShapes.h"
#include "elements/CText.h"
#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {
QByteArray Hex(const char* sz) { return QByteArray::fromHex(sz); }

QByteArray Written(const std::function<void(CArchive&)>& write)
{
    QByteArray out;
    CArchive ar(&out);
    write(ar);
    return out;
}

QString ReadStringFrom(const QByteArray& bytes)
{
    CArchive ar(bytes);
    const QString s = ar.ReadString();
    EXPECT_EQ(ar.Remaining(), 0);
    return s;
}
}  // namespace

TEST(Archive, PrimitivesAreLittleEndianWithoutPadding)
{
    const QByteArray bytes = Written([](CArchive& ar) {
        ar.WriteUInt8(0xAB);
        ar.WriteInt16(-2);
        ar.WriteInt32(0x01020304);
        ar.WriteFloat(1.5f);
        ar.WriteDouble(-2.0);
        ar.WriteRect({1, -1, 2, 3});
    });
    EXPECT_EQ(bytes.toHex(), QByteArray("abfeff040302010000c03f00000000000000c0"
                                        "01000000ffffffff0200000003000000"));
    CArchive ar(bytes);
    EXPECT_EQ(ar.ReadUInt8(), 0xAB);
    EXPECT_EQ(ar.ReadInt16(), -2);
    EXPECT_EQ(ar.ReadInt32(), 0x01020304);
    EXPECT_EQ(ar.ReadFloat(), 1.5f);
    EXPECT_EQ(ar.ReadDouble(), -2.0);
    EXPECT_EQ(ar.ReadRect(), (CRect{1, -1, 2, 3}));
    EXPECT_THROW(ar.ReadUInt8(), CArchiveException);
}

TEST(Archive, ColoursAreStoredAsBgrWithoutAlphaAndReadOpaque)
{
    const QByteArray bytes = Written([](CArchive& ar) { ar.WriteColor(0x80112233); });
    EXPECT_EQ(bytes, Hex("11223300"));
    CArchive ar(bytes);
    EXPECT_EQ(ar.ReadColor(), 0xFF112233u);
}

TEST(Archive, StringLengthPrefixForms)
{
    struct Case {
        int nLength;
        const char* szPrefix;
    };
    const Case cases[] = {
        {0, "00"}, {1, "01"}, {254, "fe"}, {255, "ffff00"}, {65533, "fffdff"}, {65534, "fffffffeff0000"},
        {70000, "ffffff70110100"},
    };
    for (const Case& c : cases) {
        const QString s(c.nLength, QLatin1Char('x'));
        const QByteArray bytes = Written([&](CArchive& ar) { ar.WriteString(s); });
        // 65534 takes the 32-bit form: 0xFFFE after 0xFF marks a wide string.
        const QByteArray expected = Hex(c.szPrefix);
        EXPECT_EQ(bytes.left(expected.size()).toHex(), expected.toHex()) << c.nLength;
        EXPECT_EQ(bytes.size(), expected.size() + c.nLength) << c.nLength;
        EXPECT_EQ(ReadStringFrom(bytes), s) << c.nLength;
    }
}

TEST(Archive, TextIsWrittenInWindows1252WhenItFits)
{
    const QByteArray bytes = Written([](CArchive& ar) { ar.WriteString(QStringLiteral("Café €")); });
    EXPECT_EQ(bytes, Hex("06") + QByteArray("Caf\xe9 \x80"));
    EXPECT_EQ(ReadStringFrom(bytes), QStringLiteral("Café €"));
}

TEST(Archive, TextOutsideWindows1252IsWrittenWideAndKeepsEveryCharacter)
{
    const QString text = QStringLiteral("Ωμέγα 日本 ✓");
    const QByteArray bytes = Written([&](CArchive& ar) { ar.WriteString(text); });
    ASSERT_EQ(bytes.left(4), Hex("fffeff0a"));
    EXPECT_EQ(bytes.size(), 4 + 2 * text.size());
    EXPECT_EQ(bytes.mid(4, 2), Hex("a903"));
    EXPECT_EQ(ReadStringFrom(bytes), text);
}

TEST(Archive, WideStringsWithEveryLengthPrefixAreRead)
{
    EXPECT_EQ(ReadStringFrom(Hex("fffeff024100ac20")), QStringLiteral("A€"));
    EXPECT_EQ(ReadStringFrom(Hex("fffeff00")), QString());
    QByteArray longer = Hex("fffeffffff01");  // 16-bit length 0x1FF after the marker
    longer.append(QByteArray(2 * 0x1FF, '\0').replace(0, 2, Hex("4200")));
    const QString s = ReadStringFrom(longer);
    ASSERT_EQ(s.size(), 0x1FF);
    EXPECT_EQ(s[0], QLatin1Char('B'));
}

TEST(Archive, ImpossibleStringLengthsAreFormatErrors)
{
    const char* cases[] = {
        "05414243",                        // shorter than its length
        "ffffffffffffff0000000001000000",  // 64-bit length beyond 32 bits
        "fffeff0441004200",                // wide, ends after two of four characters
        "ffffffffffffff",                  // 32-bit escape with nothing after it
        "ff",                              // prefix cut short
    };
    for (const char* c : cases) {
        CArchive ar(Hex(c));
        EXPECT_THROW(ar.ReadString(), CArchiveException) << c;
    }
}

TEST(Archive, ItemCountsEscapeAt0xFFFF)
{
    struct Case {
        uint32_t n;
        const char* szBytes;
    };
    const Case cases[] = {{0, "0000"}, {0xFFFE, "feff"}, {0xFFFF, "ffffffff0000"}, {70000, "ffff70110100"}};
    for (const Case& c : cases) {
        const QByteArray bytes = Written([&](CArchive& ar) { ar.WriteCount(c.n); });
        EXPECT_EQ(bytes.toHex(), QByteArray(c.szBytes));
        CArchive ar(bytes);
        EXPECT_EQ(ar.ReadCount(), c.n);
    }
}

TEST(Archive, ClassesAndObjectsShareOneNumbering)
{
    CRectangle r1(QPoint(0, 0), QPoint(1, 1));
    CRectangle r2(QPoint(0, 0), QPoint(1, 1));
    CText t(QPoint(0, 0), QPoint(1, 1));
    CRectangle r3(QPoint(0, 0), QPoint(1, 1));
    QByteArray bytes;
    CArchive ar(&bytes);
    ar.WriteObject(&r1);  // class CRectangle = 1, object = 2
    const qsizetype afterFirst = bytes.size();
    ar.WriteObject(&r2);  // object 3
    const qsizetype afterSecond = bytes.size();
    ar.WriteObject(&t);   // class CText = 4, object 5
    const qsizetype afterText = bytes.size();
    ar.WriteObject(&r3);  // object 6
    ar.WriteObject(&r1);  // met before: its number
    ar.WriteObject(nullptr);

    EXPECT_EQ(bytes.left(6), Hex("ffff00000a00"));
    EXPECT_EQ(bytes.mid(6, 10), QByteArray("CRectangle"));
    EXPECT_EQ(afterFirst, 16 + 61);
    EXPECT_EQ(bytes.mid(afterFirst, 2), Hex("0180"));
    EXPECT_EQ(bytes.mid(afterSecond, 11), Hex("ffff000005004354657874"));
    EXPECT_EQ(bytes.mid(afterText, 2), Hex("0180"));
    EXPECT_EQ(bytes.right(4), Hex("02000000"));
}

TEST(Archive, NumbersFrom0x7FFFUseTheLongForms)
{
    // Enough rectangles that the circle's class gets a number above 0x7FFF.
    constexpr int kRects = 32770;
    CElementList list;
    for (int i = 0; i < kRects; ++i)
        list.push_back(std::make_unique<CRectangle>(QPoint(i, 0), QPoint(i + 1, 1)));
    list.push_back(std::make_unique<CCircle>(QPoint(0, 0), QPoint(5, 5)));
    list.push_back(std::make_unique<CCircle>(QPoint(1, 1), QPoint(6, 6)));
    QByteArray bytes;
    {
        CArchive ar(&bytes);
        ar.WriteObjectList(list);
        ar.WriteObject(list.back().get());  // number kRects + 4, met before
    }
    // CRectangle 1, rectangles 2..kRects+1, CCircle kRects+2 = 0x8004.
    const qsizetype lastTag = bytes.size() - 6 - 61 - 6;
    EXPECT_EQ(bytes.mid(lastTag, 6), Hex("ff7f04800080"));
    EXPECT_EQ(bytes.right(6), Hex("ff7f06800000"));

    CArchive ar(bytes);
    CElementList read;
    ar.ReadObjectList(read);
    ASSERT_EQ(read.size(), list.size());
    EXPECT_STREQ(read.back()->GetClassName(), "CCircle");
    EXPECT_EQ(read.back()->m_rcBounds, (CRect{1, 1, 6, 6}));
    EXPECT_EQ(read[kRects - 1]->m_rcBounds, (CRect{kRects - 1, 0, kRects, 1}));
    // An element list never names an element twice.
    EXPECT_THROW(ar.ReadObject(), CArchiveException);
}
