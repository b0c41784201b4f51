#pragma once

#include "elements/CElement.h"

#include <QImage>
#include <QObject>
#include <QRgb>
#include <QString>
#include <array>
#include <memory>
#include <vector>

class CArchive;

using CElementList = std::vector<std::unique_ptr<CElement>>;

// One open card design: its elements of both sides in drawing order, the
// selection, sides, sizes, face colours, shadow defaults, the current tool and
// the undo history. Views listen to updateAllViews.
class COstrelsDoc : public QObject {
    Q_OBJECT
public:
    static constexpr int kUndoDepth = 5;

    explicit COstrelsDoc(QObject* parent = nullptr);
    ~COstrelsDoc() override;

    // --- framework document behaviour ---------------------------------
    // New design: the wizard's Cancel path until the wizard exists.
    bool OnNewDocument();
    // Reads the card file at path into this (fresh) document.
    bool OnOpenDocument(const QString& path);
    // Writes the card file; atomic, the old file survives a failure.
    bool OnSaveDocument(const QString& path);
    void Serialize(CArchive& ar);
    // Save with the program's own dialog when path is empty (see DoSave rules).
    bool DoSave(const QString& path, bool bReplace);
    // Offers to save a modified design: "Save changes to %1?". false = Cancel.
    bool SaveModified();

    QString GetTitle() const { return m_strTitle; }
    void SetTitle(const QString& title);
    QString GetPathName() const { return m_strPathName; }
    void SetPathName(const QString& path);
    bool IsModified() const { return m_bModified; }
    void SetModifiedFlag(bool bModified = true);
    void UpdateAllViews(CElement* pHint = nullptr);

    // "Untitled1", "Untitled2", ... for every new design of this run.
    static QString NextUntitledTitle();

    // --- design operations ------------------------------------------------
    bool HasBackground() const;
    void RemoveBackground();
    // The picture for Insert Picture and Select Background: a null image, after
    // telling the user, when the file cannot be read or decoded. Callers load
    // before they change anything, so a bad file leaves the design as it was.
    static QImage LoadPictureOrTell(const QString& path);
    // Command 318: adds the back side, or removes it after confirmation.
    void ToggleBackSide();
    void ReadShadowOptions();
    void PushUndoSnapshot();
    // Selects a drawing tool (type code; 100 is the pointer).
    void SetTool(int16_t nTool) { m_nTool = nTool; }

    // Elements of one side, in drawing order.
    std::vector<CElement*> ElementsOfSide(int nSide) const;
    bool IsSelected(const CElement* p) const;
    void ClearSelection() { m_selection.clear(); }

    // Clones of every element of a list (undo snapshots, clipboard).
    static CElementList CloneList(const CElementList& list);

    // --- fields ---------------------------------------------------------------
    int32_t m_nCardWidth = 350;
    int32_t m_nCardHeight = 200;
    int32_t m_nCardWidthFine = 350000;
    int32_t m_nCardHeightFine = 200000;
    int32_t m_nSheetWidth = 850;
    int32_t m_nSheetHeight = 1100;
    int32_t m_nSides = 1;
    int16_t m_nTool = ElementType::kPointer;
    CElementList m_elements;
    std::vector<CElement*> m_selection;
    std::array<CElementList, kUndoDepth> m_undo;
    std::array<CElementList, kUndoDepth> m_redo;
    QRgb m_clrFront = 0xFFFFFFFF;
    QRgb m_clrBack = 0xFFFFFFFF;
    QRgb m_clrShadowDefault = 0xFFC8C8C8;
    int32_t m_nShadowLengthDefault = 6;
    int32_t m_nCurrentSide = 1;

Q_SIGNALS:
    void updateAllViews(CElement* pHint);
    void modifiedChanged(bool bModified);
    void titleChanged(const QString& title);

private:
    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
};
