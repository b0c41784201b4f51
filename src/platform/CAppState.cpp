#include "platform/CAppState.h"

#include "platform/ProgramFolder.h"

#include <QStandardPaths>

CAppState& CAppState::Instance()
{
    static CAppState state;
    return state;
}

void CAppState::InitFolders()
{
    m_strPictureFolder = ProgramFolder::Child(QStringLiteral("Graphics"));
    m_strBackgroundFolder = ProgramFolder::Child(QStringLiteral("Backgrounds"));
    m_strDesignFolder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
