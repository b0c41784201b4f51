#pragma once

#include <QString>
#include <QStringList>
#include <deque>
#include <vector>

// What an open or save dialog is asked for. The filter keeps the classic form
// "Name (*.x)|*.x|All Files (*.*)|*.*|" so the texts stay as users know them.
struct CFileRequest {
    enum Kind { Open, Save };
    Kind kind = Open;
    QString strFilter;
    QString strStartPath;     // a folder, or a file whose folder is meant
    QString strProposedName;  // save dialogs
    QString strDefaultExt;    // without the dot; added when the user types none
    QString strTitle;
    bool bPicturePreview = false;  // the picture dialog's preview panel
};

// File dialogs, reached through the one installed chooser so tests never open
// a real dialog.
class CFileChooser {
public:
    virtual ~CFileChooser() = default;
    // The chosen full path, or an empty string for Cancel.
    virtual QString Choose(const CFileRequest& request) = 0;

    static CFileChooser& Instance();
    static void Install(CFileChooser* pChooser);  // not owned; nullptr: cancel everything

    // "Name (*.a; *.b)|*.a; *.b|..." as Qt name filters "Name (*.a *.b)".
    static QStringList QtFilters(const QString& strFilter);
    // The folder a dialog starts in for a remembered location (a folder or a file in it).
    static QString StartFolder(const QString& strStartPath);
};

class CScriptedFileChooser : public CFileChooser {
public:
    CScriptedFileChooser() { Install(this); }
    ~CScriptedFileChooser() override { Install(nullptr); }

    QString Choose(const CFileRequest& request) override;
    void Answer(const QString& path) { m_answers.push_back(path); }  // "" is Cancel
    const std::vector<CFileRequest>& Requests() const { return m_requests; }

private:
    std::deque<QString> m_answers;
    std::vector<CFileRequest> m_requests;
};
