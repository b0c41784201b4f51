// Element records: the body each element class writes after its class tag, in
// the card file and on the clipboard. Readers fill an element made by the
// class's default constructor and consult g_nFileVersion for the layout.
#include "document/CArchive.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CText.h"

#include <QtEndian>

namespace {
// A picture's pixel bytes: alpha, red, green, blue per pixel, which is the
// big-endian form of a 0xAARRGGBB value; rows top first, no padding.
constexpr qsizetype kBytesPerPixel = 4;

void WritePicture(CArchive& ar, const QImage& image)
{
    const QImage argb = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    const int w = argb.width();
    const int h = argb.height();
    ar.WriteInt32(w);
    ar.WriteInt32(h);
    if (w <= 0 || h <= 0)
        return;
    const qsizetype rowBytes = qsizetype(w) * kBytesPerPixel;
    char* dst = ar.AppendBlock(rowBytes * h);
    for (int y = 0; y < h; ++y, dst += rowBytes)
        qToBigEndian<quint32>(argb.constScanLine(y), w, dst);
}

QImage ReadPicture(CArchive& ar, int32_t* pnWidth = nullptr, int32_t* pnHeight = nullptr)
{
    const int32_t w = ar.ReadInt32();
    const int32_t h = ar.ReadInt32();
    if (pnWidth)
        *pnWidth = w;
    if (pnHeight)
        *pnHeight = h;
    // A picture with no rows or no columns has no pixel bytes to read.
    if (w <= 0 || h <= 0)
        return {};
    // Check the size against what is left before allocating anything: a
    // damaged header must not ask for gigabytes.
    const uint64_t rowBytes = uint64_t(w) * kBytesPerPixel;
    if (uint64_t(h) > uint64_t(ar.Remaining()) / rowBytes)
        throw CArchiveException();
    QImage image(w, h, QImage::Format_ARGB32);
    if (image.isNull())
        throw CArchiveException();
    const uchar* src = ar.ReadBlock(qsizetype(rowBytes) * h);
    for (int y = 0; y < h; ++y, src += rowBytes)
        qFromBigEndian<quint32>(src, w, image.scanLine(y));
    return image;
}

void SerializePointList(CArchive& ar, CPointList& points)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(points.Count());
        for (const CPointF& p : points.Points()) {
            ar.WriteFloat(p.x);
            ar.WriteFloat(p.y);
        }
        return;
    }
    const int32_t n = ar.ReadInt32();
    std::vector<CPointF> read;
    if (n > 0) {  // a negative count reads no points
        ar.Require(uint64_t(n) * 2 * sizeof(float));
        read.resize(size_t(n));
        for (CPointF& p : read) {
            p.x = ar.ReadFloat();
            p.y = ar.ReadFloat();
        }
    }
    points.Assign(std::move(read));
}
}  // namespace

void CElement::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteColor(m_clrBorder);
        ar.WriteColor(m_clrFill);
        ar.WriteColor(m_clrPattern);
        ar.WriteInt32(m_nDashStyle);
        ar.WriteRect(m_rcBounds);
        ar.WriteInt32(m_nReserved);
        ar.WriteInt32(m_nBorderWidth);
        ar.WriteInt32(m_nRotation);
        ar.WriteInt32(m_nFillPattern);
        ar.WriteInt32(m_bNoFill);
        ar.WriteUInt8(m_nAlpha);
        ar.WriteInt32(m_bShadow);
        ar.WriteInt32(m_nSide);
        return;
    }
    // Predecessor records have neither transparency nor side; the element
    // keeps its constructor's opacity and the document puts it on the front.
    const bool bCurrent = g_nFileVersion >= kCurrentFileVersion;
    m_clrBorder = ar.ReadColor();
    m_clrFill = ar.ReadColor();
    m_clrPattern = ar.ReadColor();
    m_nDashStyle = ar.ReadInt32();
    m_rcBounds = ar.ReadRect();
    m_nReserved = ar.ReadInt32();
    m_nBorderWidth = ar.ReadInt32();
    m_nRotation = ar.ReadInt32();
    m_nFillPattern = ar.ReadInt32();
    m_bNoFill = ar.ReadInt32();
    if (bCurrent)
        m_nAlpha = ar.ReadUInt8();
    m_bShadow = ar.ReadInt32();
    if (bCurrent)
        m_nSide = ar.ReadInt32();
}

// The text block comes before the common block in every file version.
void CText::Serialize(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteInt32(m_nHAlign);
        ar.WriteInt32(m_nVAlign);
        ar.WriteString(m_strText);
        ar.WriteInt32(m_bVertical);
        ar.WriteColor(m_clrText);
        ar.WriteUInt8(m_font.lfCharSet);
        ar.WriteUInt8(m_font.lfClipPrecision);
        ar.WriteInt32(m_font.lfEscapement);
        ar.WriteString(m_font.lfFaceName.left(CLogFont::kMaxFaceName));
        ar.WriteInt32(m_font.lfHeight);
        ar.WriteUInt8(m_font.lfItalic);
        ar.WriteInt32(m_font.lfOrientation);
        ar.WriteUInt8(m_font.lfOutPrecision);
        ar.WriteUInt8(m_font.lfPitchAndFamily);
        ar.WriteUInt8(m_font.lfQuality);
        ar.WriteUInt8(m_font.lfStrikeOut);
        ar.WriteUInt8(m_font.lfUnderline);
        ar.WriteInt32(m_font.lfWeight);
        ar.WriteInt32(m_font.lfWidth);
    } else {
        CLogFont lf = m_font;
        m_nHAlign = ar.ReadInt32();
        m_nVAlign = ar.ReadInt32();
        m_strText = ar.ReadString();
        m_bVertical = ar.ReadInt32();
        m_clrText = ar.ReadColor();
        lf.lfCharSet = ar.ReadUInt8();
        lf.lfClipPrecision = ar.ReadUInt8();
        lf.lfEscapement = ar.ReadInt32();
        // A face name has room for 31 characters; a longer one is cut.
        lf.SetFaceName(ar.ReadString());
        lf.lfHeight = ar.ReadInt32();
        lf.lfItalic = ar.ReadUInt8();
        lf.lfOrientation = ar.ReadInt32();
        lf.lfOutPrecision = ar.ReadUInt8();
        lf.lfPitchAndFamily = ar.ReadUInt8();
        lf.lfQuality = ar.ReadUInt8();
        lf.lfStrikeOut = ar.ReadUInt8();
        lf.lfUnderline = ar.ReadUInt8();
        lf.lfWeight = ar.ReadInt32();
        lf.lfWidth = ar.ReadInt32();
        m_font = lf;
    }
    CElement::Serialize(ar);
}

void CLine::Serialize(CArchive& ar)
{
    CElement::Serialize(ar);
    if (ar.IsStoring())
        ar.WriteInt32(m_nLineDir);
    else
        m_nLineDir = ar.ReadInt32();
}

void CFreehandLine::Serialize(CArchive& ar)
{
    CElement::Serialize(ar);
    SerializePointList(ar, m_points);
}

void CClosedCurve::Serialize(CArchive& ar)
{
    CElement::Serialize(ar);
    SerializePointList(ar, m_points);
}

void CBtImage::Serialize(CArchive& ar)
{
    CElement::Serialize(ar);
    if (ar.IsStoring())
        WritePicture(ar, m_pImage);
    else
        m_pImage = ReadPicture(ar, &m_nImageWidth, &m_nImageHeight);
}

void CBkgImage::Serialize(CArchive& ar)
{
    CElement::Serialize(ar);
    if (ar.IsStoring())
        WritePicture(ar, m_pImage);
    else
        m_pImage = ReadPicture(ar);
}
