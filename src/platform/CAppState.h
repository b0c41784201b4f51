#pragma once

#include <QString>

// The application's remembered locations and export resolution. They live for
// one run only; the application object fills them at start-up and the
// document and dialogs read and update them.
struct CAppState {
    QString m_strPictureFolder;     // Insert Picture starts here
    QString m_strBackgroundFolder;  // Select Background starts here
    QString m_strDesignFolder;      // Open and Save As start here
    int m_nExportDpi = 300;         // Save As Image

    static CAppState& Instance();
    // Sets the folders from the program folder and the user's documents folder.
    void InitFolders();
};
