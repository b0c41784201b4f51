#include "ViewTestSupport.h"

#include "platform/CSettings.h"

#include <QSettings>

#include <gtest/gtest.h>

namespace {
std::optional<int> Setting(const char* psz) { return CSettings::ReadInt(QLatin1String(psz)); }
void Set(const char* psz, int n) { CSettings::WriteInt(QLatin1String(psz), n); }
}  // namespace

TEST(ViewOptions, MissingKeyOrDisplayGridWritesTheDefaults)
{
    for (bool bOtherValues : {false, true}) {
        CSettings::Open()->clear();
        if (bOtherValues) {
            Set("GridSize", 20);  // no "DisplayGrid": ignored and overwritten
            Set("ShowTip", 0);
        }
        COstrelsDoc doc;
        COstrelsView view(&doc);
        EXPECT_EQ(view.m_nGridSize, 40);
        EXPECT_EQ(Setting("DisplayGrid"), 0);
        EXPECT_EQ(Setting("GridColor"), 0x00E6E6E6);
        EXPECT_EQ(Setting("GridType"), 1);
        EXPECT_EQ(Setting("UnitType"), 0);
        EXPECT_EQ(Setting("GridSize"), 40);
        EXPECT_EQ(Setting("ShowTip"), 1);
        EXPECT_EQ(Setting("ShadowColor"), 0x00C0C0C0);
        EXPECT_EQ(Setting("ShadowLength"), 6);
    }
}

TEST(ViewOptions, StoredValuesAreReadAndMissingOnesKeepTheirDefaults)
{
    Set("DisplayGrid", 5);
    Set("GridColor", 0x000000FF);  // red as 0x00BBGGRR
    Set("UnitType", 1);
    Set("GridSize", 20);
    CSettings::WriteString(QStringLiteral("GridType"), QStringLiteral("not a number"));
    COstrelsDoc doc;
    COstrelsView view(&doc);
    EXPECT_EQ(view.m_bShowGrid, 1);
    EXPECT_EQ(view.m_clrGrid, 0xFFFF0000u);
    EXPECT_EQ(view.m_nUnit, 1);
    EXPECT_EQ(view.m_nGridSize, 20);
    EXPECT_EQ(view.m_nGridType, 1);
    EXPECT_EQ(view.m_nShadowLengthOption, 6);
    // Nothing was written back.
    EXPECT_EQ(Setting("DisplayGrid"), 5);
    EXPECT_FALSE(Setting("ShadowLength").has_value());
}

TEST(ViewOptions, FirstDisplayGivesTheDocumentTheShadowOptions)
{
    Set("DisplayGrid", 0);
    Set("ShadowColor", 0x00FF0000);  // blue
    Set("ShadowLength", 9);
    CTestWindow w;
    EXPECT_EQ(w.doc->m_clrShadowDefault, 0xFF0000FFu);
    EXPECT_EQ(w.doc->m_nShadowLengthDefault, 9);
}
