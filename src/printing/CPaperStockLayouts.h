#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <optional>

// What applying a layout record fills in the print options dialog: the count
// lists and boxes (lengths as the dialog shows them, in the display unit) and
// the dialog's members (margins and gaps in inches, sizes in 1/100 inch). The
// card size also decides how the next record is applied: a portrait card gets
// the record transposed.
struct CLayoutState {
    int nRows = 0;
    int nCols = 0;
    QString strColGap;
    QString strRowGap;
    QString strTopMargin;
    QString strLeftMargin;
    QString strSheetWidth;
    QString strSheetHeight;

    float fColGap = 0.0f;
    float fRowGap = 0.0f;
    float fTopMargin = 0.0f;
    float fLeftMargin = 0.0f;
    int nSheetWidth = 0;
    int nSheetHeight = 0;
    int nCardWidth = 0;
    int nCardHeight = 0;

    bool IsPortrait() const { return nCardWidth < nCardHeight; }
};

// The values the layout editor shows and returns, in the record's own order
// (never transposed). Lengths go in in the display unit and come back in inches.
struct CLayoutEditorValues {
    enum Length { kColGap, kRowGap, kTopMargin, kLeftMargin, kSheetWidth, kSheetHeight, kCardWidth, kCardHeight, kLengthCount };

    QString strName;
    int nRows = 0;
    int nCols = 0;
    std::array<float, kLengthCount> afLengths{};
    int nUnit = 0;  // 0 inch, 1 cm
    bool bPortrait = false;
};

// Runs the layout editor on the values; false when it was cancelled.
using LayoutEditor = std::function<bool(CLayoutEditorValues&)>;

// The sheet layouts of "paperstock.lay": one record per line, eleven fields
// separated by "|", records separated by CR LF with none after the last.
// Records are kept as the raw bytes of their lines so that records nobody
// edits are written back exactly as read.
class CPaperStockLayouts {
public:
    static constexpr int kFieldCount = 11;
    static constexpr const char* kFileName = "paperstock.lay";
    static constexpr const char* kDefaultNewName = "My Print Layout";
    static constexpr int kUnitCm = 1;

    // The parts of text between separators; the text after the last
    // separator is always a part, even when empty.
    static QList<QByteArray> SplitString(const QByteArray& text, const QByteArray& sep);

    // Where the layouts are read from: the user's own copy once one was
    // written (the program folder was not writable), else the program folder.
    static QString FilePath();
    // The user's copy, used when the program folder cannot be written.
    static QString UserFilePath();

    // Reads the whole file; reports a missing or damaged file to the user.
    void LoadLayouts();
    // Writes every record; reports a file that cannot be written.
    void SaveLayouts();

    int LayoutCount() const { return int(m_arrLayouts.size()); }
    const QList<QByteArray>& Records() const { return m_arrLayouts; }
    // The names the layout list shows: list index and record index agree.
    const QStringList& ListedNames() const { return m_listNames; }
    // The display name of a record: its text before the first "|".
    static QString RecordName(const QByteArray& record);

    // Loads record nIndex into state, transposed for a portrait card. A short
    // record fills what it has; the rest keeps what it held.
    void ApplyLayout(int nIndex, CLayoutState& state, int nUnit) const;

    // The button handlers. nSelected is the selected list entry (-1 for none).
    // After a change they save and reload and return the list entry to select
    // and apply then (-1 when that record is not listed); nullopt when nothing
    // changed.
    std::optional<int> AddLayout(int nSelected, const CLayoutState& state, int nUnit, const LayoutEditor& editor);
    std::optional<int> EditLayout(int nSelected, const CLayoutState& state, int nUnit, const LayoutEditor& editor);
    std::optional<int> DeleteLayout(int nSelected);

    // The sheet size the dialog takes back from its two boxes, rounded to the
    // nearest 1/100 inch.
    static int SheetSizeFromBox(const QString& strBox, int nUnit);

private:
    std::optional<CLayoutEditorValues> EditorValuesOf(int nIndex, const CLayoutState& state, int nUnit) const;
    static QByteArray BuildRecord(const CLayoutEditorValues& v, const char* szLengthFormat);
    // Every change is saved and read back, so the list shows what the file holds.
    void Commit();
    int Selectable(int nIndex) const;

    QList<QByteArray> m_arrLayouts;
    QStringList m_listNames;
};
