#include "printing/CPaperStockLayouts.h"

#include "platform/CPrompt.h"
#include "platform/ProgramFolder.h"
#include "platform/Win1252.h"
#include "platform/LenientNumbers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringDecoder>
#include <cmath>

namespace {
const QByteArray kRecordSep = QByteArrayLiteral("\r\n");
const QByteArray kFieldSep = QByteArrayLiteral("|");

const char* const kMsgCannotOpen =
    "The file paperstock.lay containg the layouts could not be opened. \n"
    "You may need to reinstall the application to correct this problem.\n"
    "You can look at our support web site for other solutions.";
const char* const kMsgCorrupted =
    "The file paperstock.lay containg the layouts is corrupted. \n"
    "You may need to reinstall the application to correct this problem.\n"
    "You can look at our support web site for other solutions.";
const char* const kMsgCannotWrite =
    "File paperstock.lay could not be opened. \nIf it is opened by another application, please close it.";
const char* const kMsgSelectToDelete = "Please select a print sheet layout to delete.";
const char* const kMsgKeepOne = "All layouts cannot be deleted! \nAt lease one layout should be present.";
const char* const kMsgConfirmDelete = "Are you sure you want to delete this print sheet layout?\n\n";

constexpr double kCmPerInch = 2.54;
constexpr float kInchPerCm = 0.39370078f;

void Tell(const char* szText) { CPrompt::Instance().Show(QString::fromLatin1(szText), CPrompt::Ok); }

// Layout files come from Windows in its 8-bit code page; a name that code page
// cannot hold is written as UTF-8, so a line that is valid UTF-8 with
// multibyte characters reads as UTF-8.
QString DecodeText(const QByteArray& bytes)
{
    bool bAscii = true;
    for (char c : bytes)
        bAscii = bAscii && static_cast<unsigned char>(c) < 0x80;
    if (!bAscii) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString s = utf8.decode(bytes);
        if (!utf8.hasError())
            return s;
    }
    return Win1252::Decode(bytes);
}

QByteArray EncodeText(const QString& text)
{
    return Win1252::CanEncode(text) ? Win1252::Encode(text) : text.toUtf8();
}

QString Box(double fInches, int nUnit)
{
    return QString::asprintf("%2.2f", nUnit == CPaperStockLayouts::kUnitCm ? fInches * kCmPerInch : fInches);
}

bool WriteAtomically(const QString& path, const QByteArray& bytes)
{
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly))
        return false;
    if (f.write(bytes) != bytes.size()) {
        f.cancelWriting();
        return false;
    }
    return f.commit();
}

// One value applied from a record: the field it comes from for a landscape
// card and for a portrait card (the record transposed), and where it goes.
struct CApplyStep {
    int nField;
    int nPortraitField;
    void (*apply)(CLayoutState& s, const QByteArray& field, int nUnit);
};

// In the order the dialog takes them: the boxes, then its members, then the
// card size. A short record stops at its first missing value.
const CApplyStep kApplySteps[] = {
    {1, 2, [](CLayoutState& s, const QByteArray& f, int) { s.nRows = LenientNumbers::ToInt(f); }},
    {2, 1, [](CLayoutState& s, const QByteArray& f, int) { s.nCols = LenientNumbers::ToInt(f); }},
    {3, 4, [](CLayoutState& s, const QByteArray& f, int u) { s.strColGap = Box(LenientNumbers::ToDouble(f), u); }},
    {4, 3, [](CLayoutState& s, const QByteArray& f, int u) { s.strRowGap = Box(LenientNumbers::ToDouble(f), u); }},
    {5, 6, [](CLayoutState& s, const QByteArray& f, int u) { s.strTopMargin = Box(LenientNumbers::ToDouble(f), u); }},
    {6, 5, [](CLayoutState& s, const QByteArray& f, int u) { s.strLeftMargin = Box(LenientNumbers::ToDouble(f), u); }},
    {7, 8, [](CLayoutState& s, const QByteArray& f, int u) { s.strSheetWidth = Box(LenientNumbers::ToDouble(f), u); }},
    {8, 7, [](CLayoutState& s, const QByteArray& f, int u) { s.strSheetHeight = Box(LenientNumbers::ToDouble(f), u); }},
    {3, 4, [](CLayoutState& s, const QByteArray& f, int) { s.fColGap = LenientNumbers::ToFloat(f); }},
    {4, 3, [](CLayoutState& s, const QByteArray& f, int) { s.fRowGap = LenientNumbers::ToFloat(f); }},
    {5, 6, [](CLayoutState& s, const QByteArray& f, int) { s.fTopMargin = LenientNumbers::ToFloat(f); }},
    {6, 5, [](CLayoutState& s, const QByteArray& f, int) { s.fLeftMargin = LenientNumbers::ToFloat(f); }},
    {7, 8, [](CLayoutState& s, const QByteArray& f, int) { s.nSheetWidth = LenientNumbers::Hundredths(f); }},
    {8, 7, [](CLayoutState& s, const QByteArray& f, int) { s.nSheetHeight = LenientNumbers::Hundredths(f); }},
    {9, 10, [](CLayoutState& s, const QByteArray& f, int) { s.nCardWidth = LenientNumbers::Hundredths(f); }},
    {10, 9, [](CLayoutState& s, const QByteArray& f, int) { s.nCardHeight = LenientNumbers::Hundredths(f); }},
};
}  // namespace

QList<QByteArray> CPaperStockLayouts::SplitString(const QByteArray& text, const QByteArray& sep)
{
    QList<QByteArray> parts;
    qsizetype from = 0;
    for (qsizetype at = text.indexOf(sep, from); !sep.isEmpty() && at >= 0; at = text.indexOf(sep, from)) {
        parts << text.mid(from, at - from);
        from = at + sep.size();
    }
    parts << text.mid(from);
    return parts;
}

QString CPaperStockLayouts::UserFilePath()
{
    return ProgramFolder::UserDataPath() + QLatin1Char('/') + QLatin1String(kFileName);
}

QString CPaperStockLayouts::FilePath()
{
    const QString user = UserFilePath();
    return QFileInfo::exists(user) ? user : ProgramFolder::Child(QLatin1String(kFileName));
}

QString CPaperStockLayouts::RecordName(const QByteArray& record)
{
    return DecodeText(record.left(record.indexOf('|')));
}

void CPaperStockLayouts::LoadLayouts()
{
    QFile f(FilePath());
    if (!f.open(QIODevice::ReadOnly)) {
        Tell(kMsgCannotOpen);
        return;
    }
    const qint64 nLength = f.size();
    const QByteArray text = f.read(nLength);
    // A read that comes up short leaves the layouts as they were.
    if (text.size() != nLength)
        return;

    m_arrLayouts = SplitString(text, kRecordSep);
    m_listNames.clear();
    for (const QByteArray& record : m_arrLayouts) {
        if (!record.contains('|')) {
            Tell(kMsgCorrupted);
            break;
        }
        m_listNames << RecordName(record);
    }
}

void CPaperStockLayouts::SaveLayouts()
{
    const QByteArray bytes = m_arrLayouts.join(kRecordSep);
    const QString user = UserFilePath();
    if (!QFileInfo::exists(user) && WriteAtomically(ProgramFolder::Child(QLatin1String(kFileName)), bytes))
        return;
    // An installed program's folder is not the user's to write: keep the
    // user's layouts in a copy of their own, read from then on.
    if (QDir().mkpath(QFileInfo(user).path()) && WriteAtomically(user, bytes))
        return;
    Tell(kMsgCannotWrite);
}

void CPaperStockLayouts::ApplyLayout(int nIndex, CLayoutState& state, int nUnit) const
{
    if (nIndex < 0 || nIndex >= LayoutCount())
        return;
    const QList<QByteArray> fields = SplitString(m_arrLayouts[nIndex], kFieldSep);
    const bool bPortrait = state.IsPortrait();
    for (const CApplyStep& step : kApplySteps) {
        const int nField = bPortrait ? step.nPortraitField : step.nField;
        if (nField >= fields.size())
            return;
        step.apply(state, fields[nField], nUnit);
    }
}

int CPaperStockLayouts::SheetSizeFromBox(const QString& strBox, int nUnit)
{
    double x = LenientNumbers::ToDouble(strBox.toLatin1());
    if (nUnit == kUnitCm)
        x *= kInchPerCm;
    return LenientNumbers::SaturatingInt(std::floor(x * 100 + 0.5));
}

std::optional<CLayoutEditorValues> CPaperStockLayouts::EditorValuesOf(int nIndex, const CLayoutState& state,
                                                                      int nUnit) const
{
    if (nIndex < 0 || nIndex >= LayoutCount())
        return std::nullopt;
    const QList<QByteArray> fields = SplitString(m_arrLayouts[nIndex], kFieldSep);
    if (fields.size() < kFieldCount)
        return std::nullopt;
    CLayoutEditorValues v;
    v.strName = DecodeText(fields[0]);
    v.nRows = LenientNumbers::ToInt(fields[1]);
    v.nCols = LenientNumbers::ToInt(fields[2]);
    for (int i = 0; i < CLayoutEditorValues::kLengthCount; ++i) {
        const double x = LenientNumbers::ToDouble(fields[3 + i]);
        v.afLengths[i] = LenientNumbers::SaturatingFloat(nUnit == kUnitCm ? x * kCmPerInch : x);
    }
    v.nUnit = nUnit;
    v.bPortrait = state.IsPortrait();
    return v;
}

QByteArray CPaperStockLayouts::BuildRecord(const CLayoutEditorValues& v, const char* szLengthFormat)
{
    QString name = v.strName;
    name.replace(QLatin1Char('|'), QLatin1Char('/'));
    // A line break would split the record in two.
    name.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    QString rest = QString::asprintf("|%d|%d", v.nRows, v.nCols);
    for (float f : v.afLengths)
        rest += QLatin1Char('|') + QString::asprintf(szLengthFormat, double(f));
    return EncodeText(name) + rest.toLatin1();
}

void CPaperStockLayouts::Commit()
{
    SaveLayouts();
    LoadLayouts();
}

int CPaperStockLayouts::Selectable(int nIndex) const
{
    // The list can only select what it lists.
    return nIndex >= 0 && nIndex < m_listNames.size() ? nIndex : -1;
}

std::optional<int> CPaperStockLayouts::AddLayout(int nSelected, const CLayoutState& state, int nUnit,
                                                 const LayoutEditor& editor)
{
    std::optional<CLayoutEditorValues> v = EditorValuesOf(nSelected >= 0 ? nSelected : 0, state, nUnit);
    if (!v)
        return std::nullopt;
    v->strName = QLatin1String(kDefaultNewName);
    if (!editor(*v))
        return std::nullopt;
    m_arrLayouts << BuildRecord(*v, "%2.3f");
    Commit();
    return Selectable(LayoutCount() - 1);
}

std::optional<int> CPaperStockLayouts::EditLayout(int nSelected, const CLayoutState& state, int nUnit,
                                                  const LayoutEditor& editor)
{
    if (nSelected < 0)
        return std::nullopt;
    std::optional<CLayoutEditorValues> v = EditorValuesOf(nSelected, state, nUnit);
    if (!v || !editor(*v))
        return std::nullopt;
    m_arrLayouts[nSelected] = BuildRecord(*v, "%2.4f");
    Commit();
    return Selectable(nSelected);
}

std::optional<int> CPaperStockLayouts::DeleteLayout(int nSelected)
{
    if (nSelected < 0 || nSelected >= LayoutCount()) {
        Tell(kMsgSelectToDelete);
        return std::nullopt;
    }
    // Also refused when the only other record is an unlisted one (a file
    // ending in a line break): deleting would leave no layout to print with.
    if (LayoutCount() == 1 || m_listNames.size() == 1) {
        Tell(kMsgKeepOne);
        return std::nullopt;
    }
    const QString question = QLatin1String(kMsgConfirmDelete) + RecordName(m_arrLayouts[nSelected]);
    if (CPrompt::Instance().Show(question, CPrompt::YesNo, CPrompt::Information) != CPrompt::IdYes)
        return std::nullopt;
    m_arrLayouts.removeAt(nSelected);
    Commit();
    return Selectable(nSelected > 0 ? nSelected - 1 : 0);
}
