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
    // The card's top-left corner on the canvas; card files store (0, 0).
    static constexpr int32_t kCardOffset = 50;

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
    // A successful save with bReplace makes name the document's path and
    // emits savedAs (for the recent-file list).
    bool DoSave(const QString& path, bool bReplace);
    // Items 1-5 of either file format; false when the file is refused (the
    // reason has been shown).
    bool SerializeHeader(CArchive& ar);
    // m_nType from the element's class name (99 for CElement).
    static void AssignTypeCode(CElement& element);
    // Preview false: writes templatePath as a card file without background
    // pictures and returns a 5 x 5 placeholder (a null image when writing
    // failed, after the message). Preview true: the card drawn on white, from
    // the template file and/or the background picture.
    QImage MakeTemplateImage(const QString& templatePath, const QString& backgroundPath, bool bPreview);
    // The file version in force while the last file was read (200, 120, 110
    // or 101).
    int32_t LoadedFileVersion() const { return m_nLoadedFileVersion; }
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
    void savedAs(const QString& path);

private:
    void StoreCardFile(CArchive& ar);
    void LoadCardFile(CArchive& ar);
    void LoadCurrentBody(CArchive& ar);
    void LoadPredecessorBody(CArchive& ar);
    // Moves every element by (d, d) with MoveTo.
    void ShiftElements(int32_t d);
    // Reads path into a scratch document and takes its contents only when
    // the whole file was read; otherwise shows why and changes nothing.
    bool ReadCardFile(const QString& path);
    // Writes the card file atomically; on failure shows why and leaves any
    // previous file at path as it was.
    bool WriteCardFile(const QString& path);
    // Takes over everything a card file holds from a freshly read document.
    void TakeFileContents(COstrelsDoc& from);

    int32_t m_nLoadedFileVersion = 200;
    QString m_strTitle;
    QString m_strPathName;
    bool m_bModified = false;
};
