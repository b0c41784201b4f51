#include "app/FramePlacement.h"
#include "platform/CSettings.h"
#include "platform/SettingNames.h"

#include <gtest/gtest.h>

namespace {
void Store(int x, int y, int cx, int cy)
{
    FramePlacement::Write(SFramePlacement{x, y, cx, cy});
}

TEST(FramePlacement, DefaultIsAFractionOfTheScreen)
{
    EXPECT_EQ(FramePlacement::Default(QSize(1280, 1024)), (SFramePlacement{25, 20, 1194, 819}));
    EXPECT_EQ(FramePlacement::Default(QSize(1024, 768)), (SFramePlacement{20, 15, 955, 614}));
}

TEST(FramePlacement, FirstStartWritesTheDefaults)
{
    ASSERT_FALSE(CSettings::HasOptions());
    const SFramePlacement p = FramePlacement::Read(QSize(1280, 1024), QSize(1280, 1024));
    EXPECT_EQ(p, (SFramePlacement{25, 20, 1194, 819}));
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameX)), 25);
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameY)), 20);
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameWidth)), 1194);
    EXPECT_EQ(CSettings::ReadInt(QLatin1String(SettingNames::kFrameHeight)), 819);
}

TEST(FramePlacement, AMissingValueKeepsAllDefaultsAndWritesNothing)
{
    CSettings::WriteInt(QStringLiteral("DisplayGrid"), 1);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameX), 300);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameY), 300);
    CSettings::WriteInt(QLatin1String(SettingNames::kFrameWidth), 800);
    EXPECT_EQ(FramePlacement::Read(QSize(1280, 1024), QSize(1280, 1024)), FramePlacement::Default(QSize(1280, 1024)));
    EXPECT_FALSE(CSettings::ReadInt(QLatin1String(SettingNames::kFrameHeight)).has_value());
}

struct SFitCase {
    const char* pszName;
    SFramePlacement stored;
    SFramePlacement expected;
};

void PrintTo(const SFitCase& c, std::ostream* os) { *os << c.pszName; }

class FramePlacementFit : public testing::TestWithParam<SFitCase> {};

TEST_P(FramePlacementFit, FitsTheStoredPlacementToA1024By768Desktop)
{
    Store(GetParam().stored.x, GetParam().stored.y, GetParam().stored.cx, GetParam().stored.cy);
    EXPECT_EQ(FramePlacement::Read(QSize(1024, 768), QSize(1024, 768)), GetParam().expected);
}

const SFitCase kFitCases[] = {
    {"Unchanged", {40, 30, 800, 600}, {40, 30, 800, 600}},
    {"TooWide", {300, 30, 5000, 600}, {5, 30, 1014, 600}},
    {"ExactlyDesktopWide", {0, 0, 1024, 600}, {5, 0, 1014, 600}},
    {"TooHigh", {40, 200, 800, 900}, {40, 5, 800, 758}},
    {"RunsOffTheRight", {600, 30, 600, 400}, {212, 30, 600, 400}},
    {"RunsOffTheBottom", {40, 500, 600, 400}, {40, 184, 600, 400}},
    // Values the program never writes (edited by hand) must not hide the window.
    {"NoWidth", {40, 30, 0, 600}, {20, 15, 955, 614}},
    {"NegativeHeight", {40, 30, 800, -5}, {20, 15, 955, 614}},
    {"FarOffTheLeft", {-30000, -30000, 800, 600}, {10, 10, 800, 600}},
};

INSTANTIATE_TEST_SUITE_P(Cases, FramePlacementFit, testing::ValuesIn(kFitCases),
                         [](const testing::TestParamInfo<SFitCase>& info) { return std::string(info.param.pszName); });

TEST(FramePlacement, ClosingKeepsAMinimumSizeAndPullsBackOffscreenCorners)
{
    struct {
        QRect rc;
        SFramePlacement expected;
    } const cases[] = {
        {QRect(-32000, -32000, 160, 28), {10, 10, 770, 530}},  // closed while minimised
        {QRect(100, 120, 600, 400), {100, 120, 770, 530}},
        {QRect(-10, -10, 1044, 788), {-10, -10, 1044, 788}},  // maximised frames stick out a little
        {QRect(-11, 50, 900, 700), {10, 50, 900, 700}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FramePlacement::Closing(c.rc), c.expected) << c.rc.x() << "," << c.rc.y();
}
}  // namespace
