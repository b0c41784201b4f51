// Opening and saving card files, the Save As dialog and the template writer.
#include "document/CArchive.h"
#include "document/COstrelsDoc.h"
#include "elements/CPictures.h"
#include "platform/CAppState.h"
#include "platform/CFileChooser.h"
#include "platform/CPrompt.h"
#include "platform/CWaitCursor.h"

#include <QFile>
#include <QPainter>
#include <QSaveFile>

namespace {
const char* const kDesignFilter = "Business Cards Files (*.kvzd)|*.kvzd; |All Files (*.*)|*.*|";
const char* const kDesignExt = "kvzd";
const char* const kUntitled = "Untitled";
// A title holding any of these cannot serve as a file name.
const char* const kBadNameChars = "#%;/\\";

const char* const kFileNotFoundText = "%1\nCannot find this file.\nPlease verify that the correct path and file name are given.";
const char* const kFailedToOpenText = "Failed to open document.";
const char* const kFailedToSaveText = "Failed to save document.";
const char* const kDiskFullText = "Destination disk drive is full.";

// Template previews are drawn one pixel per canvas unit; a card larger than
// this many pixels is not a card.
constexpr qint64 kMaxPreviewPixels = 64 * 1024 * 1024;

void ShowError(const QString& text) { CPrompt::Instance().Show(text, CPrompt::Ok, CPrompt::Warning); }

bool IsBackground(const std::unique_ptr<CElement>& p) { return dynamic_cast<const CBkgImage*>(p.get()) != nullptr; }
}  // namespace

void COstrelsDoc::TakeFileContents(COstrelsDoc& from)
{
    m_selection.clear();
    m_elements = std::move(from.m_elements);
    m_clrFront = from.m_clrFront;
    m_clrBack = from.m_clrBack;
    m_clrShadowDefault = from.m_clrShadowDefault;
    m_nShadowLengthDefault = from.m_nShadowLengthDefault;
    m_nCardWidth = from.m_nCardWidth;
    m_nCardHeight = from.m_nCardHeight;
    m_nCardWidthFine = from.m_nCardWidthFine;
    m_nCardHeightFine = from.m_nCardHeightFine;
    m_nSheetWidth = from.m_nSheetWidth;
    m_nSheetHeight = from.m_nSheetHeight;
    m_nSides = from.m_nSides;
    m_nLoadedFileVersion = from.m_nLoadedFileVersion;
    if (m_nCurrentSide > m_nSides)
        m_nCurrentSide = 1;
}

bool COstrelsDoc::ReadCardFile(const QString& path)
{
    QFile file(path);
    if (!file.exists()) {
        ShowError(QLatin1String(kFileNotFoundText).arg(path));
        return false;
    }
    if (!file.open(QIODevice::ReadOnly)) {
        ShowError(QLatin1String(kFailedToOpenText));
        return false;
    }
    CWaitCursor wait;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        ShowError(QLatin1String(kFailedToOpenText));
        return false;
    }
    // Read into a document of its own so that a damaged file changes nothing.
    COstrelsDoc scratch;
    try {
        CArchive ar(bytes);
        scratch.Serialize(ar);
    } catch (const CArchiveException& e) {
        if (e.GetCause() == CArchiveException::BadFormat)
            ShowError(QLatin1String(CArchiveException::kBadFormatText));
        return false;
    }
    TakeFileContents(scratch);
    UpdateAllViews();
    return true;
}

bool COstrelsDoc::OnOpenDocument(const QString& path)
{
    if (!ReadCardFile(path))
        return false;
    SetPathName(path);
    SetModifiedFlag(false);
    return true;
}

bool COstrelsDoc::WriteCardFile(const QString& path)
{
    CWaitCursor wait;
    QByteArray bytes;
    try {
        CArchive ar(&bytes);
        Serialize(ar);
    } catch (const std::exception&) {
        ShowError(QLatin1String(kFailedToSaveText));
        return false;
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        ShowError(QLatin1String(file.error() == QFileDevice::ResourceError ? kDiskFullText : kFailedToSaveText));
        return false;
    }
    return true;
}

bool COstrelsDoc::OnSaveDocument(const QString& path)
{
    if (!WriteCardFile(path))
        return false;
    SetModifiedFlag(false);
    return true;
}

bool COstrelsDoc::DoSave(const QString& path, bool bReplace)
{
    QString name = path;
    const bool bWasModified = m_bModified;
    if (name.isEmpty()) {
        QString proposed = m_strPathName;
        if (proposed.isEmpty() && bReplace) {
            proposed = m_strTitle;
            for (const char* c = kBadNameChars; *c; ++c)
                if (proposed.contains(QLatin1Char(*c)))
                    proposed = QLatin1String(kUntitled);
        }
        CFileRequest request;
        request.kind = CFileRequest::Save;
        request.strFilter = QLatin1String(kDesignFilter);
        request.strDefaultExt = QLatin1String(kDesignExt);
        request.strStartPath = CAppState::Instance().m_strDesignFolder;
        request.strProposedName = proposed;
        name = CFileChooser::Instance().Choose(request);
        if (name.isEmpty())
            return false;
        CAppState::Instance().m_strDesignFolder = name;
    }
    // The file is written atomically: a failed save leaves whatever was at
    // name before, and never a partly written file.
    if (!OnSaveDocument(name))
        return false;
    if (bReplace) {
        SetPathName(name);
        Q_EMIT savedAs(name);
    } else {
        SetModifiedFlag(bWasModified);
    }
    return true;
}

QImage COstrelsDoc::MakeTemplateImage(const QString& templatePath, const QString& backgroundPath, bool bPreview)
{
    if (!bPreview) {
        // Templates carry no background pictures. They are taken out for the
        // write and put back where they were, however the write ends.
        struct CTakenOut {
            size_t nIndex;
            std::unique_ptr<CElement> p;
        };
        std::vector<CTakenOut> backgrounds;
        CElementList rest;
        for (size_t i = 0; i < m_elements.size(); ++i) {
            if (IsBackground(m_elements[i]))
                backgrounds.push_back({i, std::move(m_elements[i])});
            else
                rest.push_back(std::move(m_elements[i]));
        }
        m_elements = std::move(rest);
        struct CPutBack {
            CElementList& list;
            std::vector<CTakenOut>& taken;
            ~CPutBack()
            {
                for (auto& t : taken)
                    list.insert(list.begin() + std::ptrdiff_t(t.nIndex), std::move(t.p));
            }
        } putBack{m_elements, backgrounds};
        if (!WriteCardFile(templatePath))
            return {};
        QImage placeholder(5, 5, QImage::Format_ARGB32);
        placeholder.fill(Qt::white);
        return placeholder;
    }

    if (!templatePath.isEmpty() && ReadCardFile(templatePath))
        ShiftElements(-kCardOffset);
    if (m_nCardWidth <= 0 || m_nCardHeight <= 0 || qint64(m_nCardWidth) * m_nCardHeight > kMaxPreviewPixels)
        return {};
    QImage image(m_nCardWidth, m_nCardHeight, QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    image.fill(Qt::white);
    QPainter g(&image);
    if (!backgroundPath.isEmpty()) {
        const QImage background = LoadPictureFile(backgroundPath);
        if (!background.isNull())
            g.drawImage(QRect(0, 0, m_nCardWidth, m_nCardHeight), background);
    }
    if (!templatePath.isEmpty())
        for (const auto& p : m_elements)
            if (p->m_nSide == m_nCurrentSide)
                p->Draw(g);
    return image;
}
