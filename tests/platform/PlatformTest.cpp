#include "platform/CFileChooser.h"
#include "platform/CSettings.h"
#include "platform/ColorRef.h"
#include "platform/Win1252.h"

#include <gtest/gtest.h>

TEST(Win1252, RoundTripsTheWholeCodePage)
{
    QByteArray all;
    for (int i = 0; i < 256; ++i)
        all.append(char(i));
    const QString text = Win1252::Decode(all);
    EXPECT_EQ(text[0x80], QChar(0x20AC));
    EXPECT_EQ(text[0xE9], QChar(0xE9));
    bool lossless = false;
    EXPECT_EQ(Win1252::Encode(text, &lossless), all);
    EXPECT_TRUE(lossless);
    Win1252::Encode(QStringLiteral("\u0416"), &lossless);
    EXPECT_FALSE(lossless);
}

TEST(Settings, ColoursAreStoredBgrAndReadOpaque)
{
    EXPECT_EQ(ArgbToColorRef(0x80112233), 0x00332211u);
    EXPECT_EQ(ColorRefToArgb(0x00332211), 0xFF112233u);
    CSettings::WriteColor(QStringLiteral("ShadowColor"), 0xFFC8C8C8);
    EXPECT_EQ(CSettings::ReadInt(QStringLiteral("ShadowColor")), 0x00C8C8C8);
    EXPECT_EQ(CSettings::ReadColor(QStringLiteral("ShadowColor")), 0xFFC8C8C8u);
    EXPECT_FALSE(CSettings::ReadInt(QStringLiteral("Missing")));
}

TEST(FileChooser, ClassicFiltersBecomeQtFilters)
{
    const QStringList f = CFileChooser::QtFilters(QStringLiteral("Business Cards Files (*.kvzd)|*.kvzd; |All Files (*.*)|*.*|"));
    ASSERT_EQ(f.size(), 2);
    EXPECT_EQ(f[0], QStringLiteral("Business Cards Files (*.kvzd)"));
    EXPECT_EQ(f[1], QStringLiteral("All Files (*.*)"));
}
