// The card file container: header, element list and document body, in the
// current layout and in the shorter layout of the predecessor product.
#include "document/CArchive.h"
#include "document/COstrelsDoc.h"
#include "elements/ElementRegistry.h"
#include "platform/CPrompt.h"

#include <array>

namespace {
const char* const kProductId = "Vardolins-Studio2x";
const char* const kProducer = "Quarvel Technologies";
const char* const kFormatTag = "kvzd";
// Tags of current-format files that are read like "kvzd".
const std::array<const char*, 3> kAcceptedTags = {"kvzd", "kzd", "abc"};
const std::array<const char*, 2> kPredecessorIds = {"Vardolins", "Vardolin"};

struct CPredecessorVersion {
    const char* szText;
    int32_t nVersion;
};
// Compared in this order.
const std::array<CPredecessorVersion, 3> kPredecessorVersions = {{
    {"1.2.0", 120},
    {"1.1.0", 110},
    {"1.0.1", 101},
}};
constexpr int32_t kVeryOldVersion = 100;

// A stored width at or below this is in 1/100 inch, above it in 1/100000.
constexpr int32_t kLargestLegacyWidth = 10000;
constexpr int32_t kFinePerCanvasUnit = 1000;

const char* const kEarlierVersionText =
    "This file is created with an earlier version of Quarvel Kestova.\nNow you are using product version 2.0.\n"
    "You can open it, but after you save the file you have to use the latest version(2.0) to modify your card.";
const char* const kVeryOldVersionText =
    "This file is created using a very old version of Quarvel Kestova.\nYou can't open it directly. You need to "
    "re-create your card.";
const char* const kWrongFormatText =
    "The file has wrong format and is not made to be used with this application.";

template <size_t N>
bool IsOneOf(const QString& s, const std::array<const char*, N>& list)
{
    for (const char* p : list)
        if (s == QLatin1String(p))
            return true;
    return false;
}

// Blanks, tabs and line breaks only: other characters count as text.
QString TrimBlanks(const QString& s)
{
    const auto isBlank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\n' || c == u'\r' || c == u'\v' || c == u'\f'; };
    qsizetype b = 0, e = s.size();
    while (b < e && isBlank(s[b]))
        ++b;
    while (e > b && isBlank(s[e - 1]))
        --e;
    return s.mid(b, e - b);
}

// Coordinates come from files and may be anything; the shift wraps instead
// of overflowing so that writing's -50 and +50 always cancel.
int32_t Add(int32_t v, int32_t d) { return int32_t(uint32_t(v) + uint32_t(d)); }

// Moves with the element's own MoveTo, so point lists move with their bounds.
void Shift(CElement& e, int32_t d)
{
    const CRect rc = e.GetBounds();
    e.MoveTo({Add(rc.left, d), Add(rc.top, d), Add(rc.right, d), Add(rc.bottom, d)});
}

// Fine sizes derived from stored sizes wrap the same way for absurd values.
int32_t ToFine(int32_t v) { return int32_t(int64_t(v) * kFinePerCanvasUnit); }

void Show(const char* szText) { CPrompt::Instance().Show(QLatin1String(szText), CPrompt::Ok, CPrompt::NoIcon); }
}  // namespace

void COstrelsDoc::AssignTypeCode(CElement& element)
{
    const int16_t nType = ElementRegistry::TypeCodeFor(QLatin1String(element.GetClassName()));
    element.m_nType = nType != 0 ? nType : ElementType::kNone;
}

void COstrelsDoc::ShiftElements(int32_t d)
{
    for (const auto& p : m_elements)
        Shift(*p, d);
}

void COstrelsDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        StoreCardFile(ar);
    else
        LoadCardFile(ar);
}

bool COstrelsDoc::SerializeHeader(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteString(QLatin1String(kProductId));
        ar.WriteString(QLatin1String(kProducer));
        ar.WriteString(QLatin1String(kFormatTag));
        ar.WriteInt32(kCurrentFileVersion);
        ar.WriteInt32(m_nSides);
        return true;
    }
    const QString product = ar.ReadString();
    if (IsOneOf(product, kPredecessorIds)) {
        ar.ReadString();
        ar.ReadString();
        const QString version = TrimBlanks(ar.ReadString());
        for (const auto& v : kPredecessorVersions) {
            if (version == QLatin1String(v.szText)) {
                g_nFileVersion = v.nVersion;
                Show(kEarlierVersionText);
                m_nSides = 1;
                return true;
            }
        }
        g_nFileVersion = kVeryOldVersion;
        Show(kVeryOldVersionText);
        return false;
    }
    ar.ReadString();
    const QString tag = ar.ReadString();
    g_nFileVersion = ar.ReadInt32();
    m_nSides = ar.ReadInt32();
    if (!IsOneOf(tag, kAcceptedTags)) {
        Show(kWrongFormatText);
        return false;
    }
    return true;
}

void COstrelsDoc::StoreCardFile(CArchive& ar)
{
    SerializeHeader(ar);
    // Elements are stored relative to the card corner; they go back to the
    // canvas however writing ends.
    ShiftElements(-kCardOffset);
    struct CShiftBack {
        COstrelsDoc* pDoc;
        ~CShiftBack() { pDoc->ShiftElements(kCardOffset); }
    } shiftBack{this};
    ar.WriteObjectList(m_elements);
    ar.WriteColor(m_clrFront);
    ar.WriteColor(m_clrBack);
    ar.WriteColor(m_clrShadowDefault);
    ar.WriteInt32(m_nShadowLengthDefault);
    ar.WritePair(m_nCardWidthFine, m_nCardHeightFine);
    ar.WritePair(m_nSheetWidth, m_nSheetHeight);
    ar.WriteInt32(m_nSides);
}

void COstrelsDoc::LoadCardFile(CArchive& ar)
{
    CFileVersionGuard restoreVersion;
    if (!SerializeHeader(ar))
        throw CArchiveException(CArchiveException::Abandoned);
    m_nLoadedFileVersion = g_nFileVersion;
    const size_t nFirstRead = m_elements.size();
    ar.ReadObjectList(m_elements);
    const bool bPredecessor = g_nFileVersion < kCurrentFileVersion;
    if (bPredecessor)
        LoadPredecessorBody(ar);
    else
        LoadCurrentBody(ar);
    for (size_t i = nFirstRead; i < m_elements.size(); ++i) {
        CElement& e = *m_elements[i];
        AssignTypeCode(e);
        e.m_nShadowOffset = m_nShadowLengthDefault;
        e.m_clrShadow = m_clrShadowDefault;
        if (bPredecessor)
            e.m_nSide = 1;
        Shift(e, kCardOffset);
    }
    UpdateAllViews();
}

void COstrelsDoc::LoadCurrentBody(CArchive& ar)
{
    m_clrFront = ar.ReadColor();
    m_clrBack = ar.ReadColor();
    m_clrShadowDefault = ar.ReadColor();
    m_nShadowLengthDefault = ar.ReadInt32();
    int32_t w, h;
    ar.ReadPair(w, h);
    if (w <= kLargestLegacyWidth) {
        // Sizes of early files are in 1/100 inch.
        m_nCardWidth = w;
        m_nCardHeight = h;
        m_nCardWidthFine = ToFine(w);
        m_nCardHeightFine = ToFine(h);
    } else {
        m_nCardWidthFine = w;
        m_nCardHeightFine = h;
        m_nCardWidth = int32_t(w * 0.001 + 0.5);
        m_nCardHeight = int32_t(h * 0.001 + 0.5);
    }
    ar.ReadPair(m_nSheetWidth, m_nSheetHeight);
    // The side count at the end is the one that counts.
    m_nSides = ar.ReadInt32();
}

// The predecessor's body: one face colour for the card, the shadow defaults
// and the card size in 1/100 inch; no sheet size and no sides.
void COstrelsDoc::LoadPredecessorBody(CArchive& ar)
{
    m_clrFront = m_clrBack = ar.ReadColor();
    m_clrShadowDefault = ar.ReadColor();
    m_nShadowLengthDefault = ar.ReadInt32();
    ar.ReadPair(m_nCardWidth, m_nCardHeight);
    m_nCardWidthFine = ToFine(m_nCardWidth);
    m_nCardHeightFine = ToFine(m_nCardHeight);
}
