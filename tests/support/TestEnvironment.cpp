#include "support/TestEnvironment.h"

#include "platform/CSettings.h"
#include "platform/ProgramFolder.h"

#include <gtest/gtest.h>

namespace {
std::unique_ptr<CTestEnvironment>& Current()
{
    static std::unique_ptr<CTestEnvironment> p;
    return p;
}

class CEnvironmentListener : public testing::EmptyTestEventListener {
    void OnTestStart(const testing::TestInfo&) override { Current() = std::make_unique<CTestEnvironment>(); }
    void OnTestEnd(const testing::TestInfo&) override { Current().reset(); }
};
}  // namespace

CTestEnvironment::CTestEnvironment()
{
    CSettings::SetFileOverride(m_dir.filePath(QStringLiteral("settings.ini")));
    ProgramFolder::SetOverride(m_dir.path());
    ProgramFolder::SetUserDataOverride(m_dir.filePath(QStringLiteral("userdata")));
}

CTestEnvironment::~CTestEnvironment()
{
    CSettings::SetFileOverride({});
    ProgramFolder::SetOverride({});
    ProgramFolder::SetUserDataOverride({});
}

void InstallTestEnvironmentListener()
{
    testing::UnitTest::GetInstance()->listeners().Append(new CEnvironmentListener);
}

const CTestEnvironment& CurrentTestEnvironment() { return *Current(); }
