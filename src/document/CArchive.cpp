#include "document/CArchive.h"

#include "elements/ElementRegistry.h"
#include "platform/ColorRef.h"
#include "platform/Win1252.h"

#include <QtEndian>
#include <cstring>

int32_t g_nFileVersion = kCurrentFileVersion;

namespace {
// Length prefixes of counted strings.
constexpr uint8_t kLen8Escape = 0xFF;
constexpr uint16_t kWideMarker = 0xFFFE;
constexpr uint16_t kLen16Escape = 0xFFFF;
constexpr uint32_t kLen32Escape = 0xFFFFFFFFu;
// Item counts.
constexpr uint16_t kCount16Escape = 0xFFFF;
// Smallest element reference: one 16-bit tag.
constexpr qsizetype kMinObjectBytes = 2;
}  // namespace

const char* CArchiveException::what() const noexcept
{
    return m_cause == Abandoned ? "card file read abandoned" : kBadFormatText;
}

CArchive::CArchive(QByteArray* pOut) : m_pOut(pOut) {}

CArchive::CArchive(const char* pData, qsizetype nSize) : m_pData(pData), m_nSize(nSize < 0 ? 0 : nSize)
{
    m_loadedNumbers.push_back(kObjectNumber);  // number 0: the null reference
}

CArchive::~CArchive() = default;

uint32_t CArchive::NextNumber() { return m_nMapCount++; }

// --- storing -----------------------------------------------------------------

char* CArchive::AppendBlock(qsizetype n)
{
    const qsizetype at = m_pOut->size();
    // Leave room for what usually follows a large block (the rest of the
    // file) so that it does not move the block again.
    if (m_pOut->capacity() < at + n)
        m_pOut->reserve(at + n + (at + n) / 8);
    m_pOut->resize(at + n);
    return m_pOut->data() + at;
}

void CArchive::WriteRaw(const void* p, qsizetype n)
{
    if (n > 0)
        m_pOut->append(static_cast<const char*>(p), n);
}

void CArchive::WriteUInt16(uint16_t v)
{
    const uint16_t le = qToLittleEndian(v);
    WriteRaw(&le, sizeof le);
}

void CArchive::WriteUInt32(uint32_t v)
{
    const uint32_t le = qToLittleEndian(v);
    WriteRaw(&le, sizeof le);
}

void CArchive::WriteUInt64(uint64_t v)
{
    const uint64_t le = qToLittleEndian(v);
    WriteRaw(&le, sizeof le);
}

void CArchive::WriteFloat(float v)
{
    uint32_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteUInt32(bits);
}

void CArchive::WriteDouble(double v)
{
    uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    WriteUInt64(bits);
}

void CArchive::WriteColor(QRgb argb) { WriteUInt32(ArgbToColorRef(argb)); }

void CArchive::WriteRect(const CRect& rc)
{
    WriteInt32(rc.left);
    WriteInt32(rc.top);
    WriteInt32(rc.right);
    WriteInt32(rc.bottom);
}

void CArchive::WritePair(int32_t a, int32_t b)
{
    WriteInt32(a);
    WriteInt32(b);
}

namespace {
void WriteLength(CArchive& ar, uint64_t n)
{
    if (n < kLen8Escape) {
        ar.WriteUInt8(uint8_t(n));
        return;
    }
    ar.WriteUInt8(kLen8Escape);
    if (n < kWideMarker) {
        ar.WriteUInt16(uint16_t(n));
        return;
    }
    ar.WriteUInt16(kLen16Escape);
    if (n < kLen32Escape) {
        ar.WriteUInt32(uint32_t(n));
        return;
    }
    ar.WriteUInt32(kLen32Escape);
    ar.WriteUInt64(n);
}
}  // namespace

void CArchive::WriteString(const QString& s)
{
    bool bLossless = true;
    const QByteArray single = Win1252::Encode(s, &bLossless);
    if (bLossless) {
        WriteLength(*this, uint64_t(single.size()));
        WriteRaw(single.constData(), single.size());
        return;
    }
    WriteUInt8(kLen8Escape);
    WriteUInt16(kWideMarker);
    WriteLength(*this, uint64_t(s.size()));
    qToLittleEndian<uint16_t>(s.utf16(), s.size(), AppendBlock(s.size() * 2));
}

void CArchive::WriteCount(uint32_t n)
{
    if (n < kCount16Escape) {
        WriteUInt16(uint16_t(n));
    } else {
        WriteUInt16(kCount16Escape);
        WriteUInt32(n);
    }
}

void CArchive::WriteObject(CElement* pElement)
{
    if (!pElement) {
        WriteUInt16(kNullTag);
        return;
    }
    if (const auto it = m_storedObjects.find(pElement); it != m_storedObjects.end()) {
        if (it->second < kBigObjectTag) {
            WriteUInt16(uint16_t(it->second));
        } else {
            WriteUInt16(kBigObjectTag);
            WriteUInt32(it->second);
        }
        return;
    }
    const std::string name = pElement->GetClassName();
    if (const auto it = m_storedClasses.find(name); it != m_storedClasses.end()) {
        if (it->second < kBigObjectTag) {
            WriteUInt16(uint16_t(kClassTag | it->second));
        } else {
            WriteUInt16(kBigObjectTag);
            WriteUInt32(kBigClassTag | it->second);
        }
    } else {
        WriteUInt16(kNewClassTag);
        WriteUInt16(0);  // schema of every element class
        WriteUInt16(uint16_t(name.size()));
        WriteRaw(name.data(), qsizetype(name.size()));
        m_storedClasses.emplace(name, NextNumber());
    }
    m_storedObjects.emplace(pElement, NextNumber());
    pElement->Serialize(*this);
}

void CArchive::WriteObjectList(const std::vector<CElement*>& elements)
{
    WriteCount(uint32_t(elements.size()));
    for (CElement* p : elements)
        WriteObject(p);
}

void CArchive::WriteObjectList(const CElementList& elements)
{
    WriteCount(uint32_t(elements.size()));
    for (const auto& p : elements)
        WriteObject(p.get());
}

// --- loading -----------------------------------------------------------------

void CArchive::Require(uint64_t n) const
{
    if (IsStoring() || n > uint64_t(Remaining()))
        throw CArchiveException();
}

const uchar* CArchive::ReadBlock(qsizetype n)
{
    Require(uint64_t(n));
    const auto* p = reinterpret_cast<const uchar*>(m_pData + m_nPos);
    m_nPos += n;
    return p;
}

uint8_t CArchive::ReadUInt8() { return *ReadBlock(1); }

uint16_t CArchive::ReadUInt16() { return qFromLittleEndian<uint16_t>(ReadBlock(2)); }

uint32_t CArchive::ReadUInt32() { return qFromLittleEndian<uint32_t>(ReadBlock(4)); }

uint64_t CArchive::ReadUInt64() { return qFromLittleEndian<uint64_t>(ReadBlock(8)); }

float CArchive::ReadFloat()
{
    const uint32_t bits = ReadUInt32();
    float v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

double CArchive::ReadDouble()
{
    const uint64_t bits = ReadUInt64();
    double v;
    std::memcpy(&v, &bits, sizeof v);
    return v;
}

QRgb CArchive::ReadColor() { return ColorRefToArgb(ReadUInt32()); }

CRect CArchive::ReadRect()
{
    CRect rc;
    rc.left = ReadInt32();
    rc.top = ReadInt32();
    rc.right = ReadInt32();
    rc.bottom = ReadInt32();
    return rc;
}

void CArchive::ReadPair(int32_t& a, int32_t& b)
{
    a = ReadInt32();
    b = ReadInt32();
}

QString CArchive::ReadString()
{
    bool bWide = false;
    uint64_t n = ReadUInt8();
    if (n == kLen8Escape) {
        n = ReadUInt16();
        if (n == kWideMarker) {
            // The wide form's own length prefix follows, from its first byte.
            bWide = true;
            n = ReadUInt8();
            if (n == kLen8Escape)
                n = ReadUInt16();
        }
        if (n == kLen16Escape) {
            n = ReadUInt32();
            if (n == kLen32Escape)
                n = ReadUInt64();
        }
    }
    if (n > kLen32Escape)
        throw CArchiveException();
    const uint64_t bytes = bWide ? 2 * n : n;
    Require(bytes);
    const auto* p = reinterpret_cast<const char*>(ReadBlock(qsizetype(bytes)));
    if (!bWide)
        return Win1252::Decode(QByteArray::fromRawData(p, qsizetype(n)));
    QString s(qsizetype(n), Qt::Uninitialized);
    qFromLittleEndian<uint16_t>(p, qsizetype(n), s.data());
    return s;
}

uint32_t CArchive::ReadCount()
{
    const uint16_t n = ReadUInt16();
    return n == kCount16Escape ? ReadUInt32() : n;
}

QString CArchive::ReadClassName()
{
    const uint16_t nSchema = ReadUInt16();
    const uint16_t nLen = ReadUInt16();
    if (nLen > kMaxClassName)
        throw CArchiveException();
    const auto* p = reinterpret_cast<const char*>(ReadBlock(nLen));
    const QString name = QString::fromLatin1(p, nLen);
    if (!ElementRegistry::IsElementClass(name) || nSchema != 0)
        throw CArchiveException();
    return name;
}

std::unique_ptr<CElement> CArchive::ReadObject()
{
    const uint16_t wTag = ReadUInt16();
    const uint32_t obTag = wTag == kBigObjectTag ? ReadUInt32()
                                                 : (uint32_t(wTag & kClassTag) << 16) | (wTag & ~kClassTag & 0xFFFFu);
    int32_t nClass;
    if (wTag == kNewClassTag) {
        const QString name = ReadClassName();
        nClass = int32_t(m_loadedClasses.size());
        m_loadedClasses.push_back(name);
        m_loadedNumbers.push_back(nClass);
        NextNumber();
    } else if (!(obTag & kBigClassTag)) {
        // A null reference or an element met before: an element list holds
        // each element exactly once, so neither belongs in a card file.
        throw CArchiveException();
    } else {
        const uint32_t nIndex = obTag & ~kBigClassTag;
        if (nIndex == 0 || nIndex >= m_nMapCount || m_loadedNumbers[nIndex] == kObjectNumber)
            throw CArchiveException();
        nClass = m_loadedNumbers[nIndex];
    }
    std::unique_ptr<CElement> p = ElementRegistry::Create(m_loadedClasses[size_t(nClass)]);
    m_loadedNumbers.push_back(kObjectNumber);
    NextNumber();
    p->Serialize(*this);
    return p;
}

void CArchive::ReadObjectList(CElementList& list)
{
    const uint32_t n = ReadCount();
    Require(uint64_t(n) * kMinObjectBytes);
    list.reserve(list.size() + n);
    for (uint32_t i = 0; i < n; ++i)
        list.push_back(ReadObject());
}
