#include "document/COstrelsDoc.h"

#include "elements/CPictures.h"
#include "platform/CPrompt.h"
#include "platform/CSettings.h"
#include "platform/SettingNames.h"

#include <QFileInfo>
#include <algorithm>

COstrelsDoc::COstrelsDoc(QObject* parent) : QObject(parent) {}

COstrelsDoc::~COstrelsDoc() = default;

QString COstrelsDoc::NextUntitledTitle()
{
    static int s_nUntitled = 0;
    return QStringLiteral("Untitled%1").arg(++s_nUntitled);
}

bool COstrelsDoc::OnNewDocument()
{
    // Until the New Card wizard exists a new design is what its Cancel gives:
    // one side, 3.5 by 2 inches, no elements, not modified.
    m_nTool = ElementType::kPointer;
    return true;
}

void COstrelsDoc::SetTitle(const QString& title)
{
    if (m_strTitle == title)
        return;
    m_strTitle = title;
    Q_EMIT titleChanged(m_strTitle);
}

void COstrelsDoc::SetPathName(const QString& path)
{
    m_strPathName = path;
    SetTitle(QFileInfo(path).fileName());
}

void COstrelsDoc::SetModifiedFlag(bool bModified)
{
    if (m_bModified == bModified)
        return;
    m_bModified = bModified;
    Q_EMIT modifiedChanged(m_bModified);
}

void COstrelsDoc::UpdateAllViews(CElement* pHint) { Q_EMIT updateAllViews(pHint); }

bool COstrelsDoc::SaveModified()
{
    if (!m_bModified)
        return true;
    const QString name = m_strPathName.isEmpty() ? m_strTitle : QFileInfo(m_strPathName).fileName();
    const int answer = CPrompt::Instance().Show(QStringLiteral("Save changes to %1?").arg(name),
                                                CPrompt::YesNoCancel, CPrompt::Warning);
    if (answer == CPrompt::IdCancel)
        return false;
    if (answer == CPrompt::IdYes)
        return DoSave(m_strPathName, true);
    return true;
}

bool COstrelsDoc::HasBackground() const
{
    return std::any_of(m_elements.begin(), m_elements.end(),
                       [](const auto& p) { return dynamic_cast<const CBkgImage*>(p.get()) != nullptr; });
}

QImage COstrelsDoc::LoadPictureOrTell(const QString& path)
{
    QImage image = LoadPictureFile(path);
    if (image.isNull())
        CPrompt::Instance().Show(QStringLiteral("The picture could not be loaded."), CPrompt::Ok, CPrompt::Warning);
    return image;
}

void COstrelsDoc::RemoveBackground()
{
    std::erase_if(m_selection, [this](CElement* p) {
        return dynamic_cast<CBkgImage*>(p) && p->m_nSide == m_nCurrentSide;
    });
    std::erase_if(m_elements, [this](const auto& p) {
        return dynamic_cast<const CBkgImage*>(p.get()) && p->m_nSide == m_nCurrentSide;
    });
    SetModifiedFlag();
    UpdateAllViews();
}

void COstrelsDoc::ToggleBackSide()
{
    if (m_nSides == 2) {
        const int answer = CPrompt::Instance().Show(
            QStringLiteral("The back side will be deleted. You can't undo this action.\nDo you want to continue with deleting?"),
            CPrompt::YesNo, CPrompt::Information);
        if (answer != CPrompt::IdYes)
            return;
        for (auto& list : m_undo)
            list.clear();
        for (auto& list : m_redo)
            list.clear();
        std::erase_if(m_selection, [](CElement* p) { return p->m_nSide == 2; });
        std::erase_if(m_elements, [](const auto& p) { return p->m_nSide == 2; });
        m_nSides = 1;
        m_nCurrentSide = 1;
    } else {
        m_nSides = 2;
    }
    SetModifiedFlag();
    UpdateAllViews();
}

void COstrelsDoc::ReadShadowOptions()
{
    if (const auto clr = CSettings::ReadColor(QLatin1String(SettingNames::kShadowColor)))
        m_clrShadowDefault = *clr;
    if (const auto len = CSettings::ReadInt(QLatin1String(SettingNames::kShadowLength)))
        m_nShadowLengthDefault = *len;
}

CElementList COstrelsDoc::CloneList(const CElementList& list)
{
    CElementList copy;
    copy.reserve(list.size());
    for (const auto& p : list)
        copy.push_back(p->Clone());
    return copy;
}

void COstrelsDoc::PushUndoSnapshot()
{
    std::rotate(m_undo.rbegin(), m_undo.rbegin() + 1, m_undo.rend());
    m_undo[0] = CloneList(m_elements);
    for (auto& list : m_redo)
        list.clear();
}

std::vector<CElement*> COstrelsDoc::ElementsOfSide(int nSide) const
{
    std::vector<CElement*> result;
    for (const auto& p : m_elements)
        if (p->m_nSide == nSide)
            result.push_back(p.get());
    return result;
}

bool COstrelsDoc::IsSelected(const CElement* p) const
{
    return std::find(m_selection.begin(), m_selection.end(), p) != m_selection.end();
}
