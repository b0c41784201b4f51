#pragma once

#include "elements/CElement.h"

#include <QByteArray>
#include <QRgb>
#include <QString>
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

using CElementList = std::vector<std::unique_ptr<CElement>>;

// The layout version the element and body readers are reading: 200 for every
// file this program writes, 120/110/101 (or 100) while a predecessor file is
// read. It is 200 at rest; every reader puts it back when it ends.
inline constexpr int32_t kCurrentFileVersion = 200;
extern int32_t g_nFileVersion;

// Puts g_nFileVersion back to 200 when a read ends, however it ends.
class CFileVersionGuard {
public:
    CFileVersionGuard() = default;
    ~CFileVersionGuard() { g_nFileVersion = kCurrentFileVersion; }
    CFileVersionGuard(const CFileVersionGuard&) = delete;
    CFileVersionGuard& operator=(const CFileVersionGuard&) = delete;
};

// The one error an archive raises. BadFormat is shown to the user as
// "Unexpected file format."; Abandoned means the reader has already told the
// user why it stopped and nothing more is to be said.
class CArchiveException : public std::exception {
public:
    enum Cause { BadFormat, Abandoned };
    explicit CArchiveException(Cause cause = BadFormat) : m_cause(cause) {}
    Cause GetCause() const { return m_cause; }
    const char* what() const noexcept override;

    static constexpr const char* kBadFormatText = "Unexpected file format.";

private:
    Cause m_cause;
};

// The card file's stream of items, over a byte buffer: little-endian values,
// counted strings, item counts and element references with their class tags.
// Every read is bounds-checked and throws CArchiveException, and no
// read allocates more than the remaining input could fill.
class CArchive {
public:
    // Storing: appends to *pOut.
    explicit CArchive(QByteArray* pOut);
    // Loading from memory the caller keeps alive.
    CArchive(const char* pData, qsizetype nSize);
    // Loading; the archive shares the bytes (no copy) for as long as it lives.
    explicit CArchive(const QByteArray& in) : CArchive(in.constData(), in.size()) { m_in = in; }
    ~CArchive();
    CArchive(const CArchive&) = delete;
    CArchive& operator=(const CArchive&) = delete;

    bool IsStoring() const { return m_pOut != nullptr; }
    bool IsLoading() const { return m_pOut == nullptr; }

    // --- storing ------------------------------------------------------------
    void WriteUInt8(uint8_t v) { WriteRaw(&v, 1); }
    void WriteUInt16(uint16_t v);
    void WriteInt16(int16_t v) { WriteUInt16(uint16_t(v)); }
    void WriteUInt32(uint32_t v);
    void WriteInt32(int32_t v) { WriteUInt32(uint32_t(v)); }
    void WriteUInt64(uint64_t v);
    void WriteFloat(float v);
    void WriteDouble(double v);
    void WriteColor(QRgb argb);
    void WriteRect(const CRect& rc);
    void WritePair(int32_t a, int32_t b);
    // Single-byte Windows-1252 when the text fits that code page, otherwise
    // the wide form, so no character is lost.
    void WriteString(const QString& s);
    void WriteCount(uint32_t n);
    // An element reference: its class tag and record the first time, its
    // number afterwards; nullptr writes the null reference.
    void WriteObject(CElement* pElement);
    // An item count and one reference per element.
    void WriteObjectList(const std::vector<CElement*>& elements);
    void WriteObjectList(const CElementList& elements);
    void WriteRaw(const void* p, qsizetype n);
    // Grows the output by n bytes and returns where they go (bulk writers).
    char* AppendBlock(qsizetype n);

    // --- loading ------------------------------------------------------------
    uint8_t ReadUInt8();
    uint16_t ReadUInt16();
    int16_t ReadInt16() { return int16_t(ReadUInt16()); }
    uint32_t ReadUInt32();
    int32_t ReadInt32() { return int32_t(ReadUInt32()); }
    uint64_t ReadUInt64();
    float ReadFloat();
    double ReadDouble();
    QRgb ReadColor();
    CRect ReadRect();
    void ReadPair(int32_t& a, int32_t& b);
    QString ReadString();
    uint32_t ReadCount();
    // A new element (created by class name and read by its record) or a
    // format error: a null reference, an element met before, or a class or
    // number that is not acceptable.
    std::unique_ptr<CElement> ReadObject();
    // Appends the elements of an object list to list, in file order.
    void ReadObjectList(CElementList& list);
    // The next n bytes, which stay valid as long as the input does.
    const uchar* ReadBlock(qsizetype n);
    // Throws unless n more bytes are left; n may come from the file.
    void Require(uint64_t n) const;
    qsizetype Remaining() const { return m_nSize - m_nPos; }
    qsizetype Position() const { return m_nPos; }

private:
    enum : uint16_t {
        kNullTag = 0x0000,
        kNewClassTag = 0xFFFF,
        kClassTag = 0x8000,
        kBigObjectTag = 0x7FFF,
    };
    static constexpr uint32_t kBigClassTag = 0x80000000u;
    static constexpr int kMaxClassName = 63;

    QString ReadClassName();
    uint32_t NextNumber();

    // storing
    QByteArray* m_pOut = nullptr;
    std::unordered_map<const CElement*, uint32_t> m_storedObjects;
    std::unordered_map<std::string, uint32_t> m_storedClasses;
    // loading
    QByteArray m_in;
    const char* m_pData = nullptr;
    qsizetype m_nSize = 0;
    qsizetype m_nPos = 0;
    // Per number handed out (index 0 is the null reference): the index of
    // its class name in m_loadedClasses, or kObjectNumber for an element.
    static constexpr int32_t kObjectNumber = -1;
    std::vector<int32_t> m_loadedNumbers;
    std::vector<QString> m_loadedClasses;
    uint32_t m_nMapCount = 1;
};
