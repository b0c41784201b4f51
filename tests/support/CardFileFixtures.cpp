#include "support/CardFileFixtures.h"

#include "document/CArchive.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CText.h"
#include "elements/ElementRegistry.h"
#include "support/TestEnvironment.h"

#include <QFile>
#include <QStringList>

QImage MakeTestPicture(int nWidth, int nHeight)
{
    QImage image(nWidth, nHeight, QImage::Format_ARGB32);
    for (int y = 0; y < nHeight; ++y)
        for (int x = 0; x < nWidth; ++x)
            image.setPixel(x, y, qRgba(x * 40 % 256, y * 70 % 256, (x + y) * 13 % 256, 255 - (x * 7 + y) % 200));
    return image;
}

namespace {
std::unique_ptr<CElement> MakeElement(const QString& className, QPoint a, QPoint b)
{
    if (className == QLatin1String(CBtImage::kClassName))
        return std::make_unique<CBtImage>(a, b, MakeTestPicture(3, 2), 350, 200, 1);
    if (className == QLatin1String(CBkgImage::kClassName))
        return std::make_unique<CBkgImage>(MakeTestPicture(4, 3), 350, 200);
    if (className == QLatin1String("CElement")) {
        auto p = std::make_unique<CElement>();
        p->m_rcBounds = CRect::Normalized(a, b);
        return p;
    }
    return ElementRegistry::CreateForTool(ElementRegistry::TypeCodeFor(className), a, b);
}
}  // namespace

std::unique_ptr<COstrelsDoc> MakeDesignWithEveryClass()
{
    auto doc = std::make_unique<COstrelsDoc>();
    doc->m_nSides = 2;
    doc->m_clrFront = 0xFFFFF0E0;
    doc->m_clrBack = 0xFF102030;
    doc->m_clrShadowDefault = 0xFF404040;
    doc->m_nShadowLengthDefault = 9;
    doc->m_nSheetWidth = 827;
    doc->m_nSheetHeight = 1169;
    int i = 0;
    for (const QString& name : ElementRegistry::ClassNames()) {
        const QPoint a(60 + 7 * i, 55 + 3 * i);
        auto p = MakeElement(name, a, a + QPoint(40 + i, 25 + 2 * i));
        p->m_nSide = 1 + i % 2;
        p->m_clrBorder = 0xFF000000u | uint32_t(0x010203 * (i + 1));
        p->m_clrFill = 0xFF000000u | uint32_t(0x030201 * (i + 2));
        p->m_clrPattern = 0xFF000000u | uint32_t(0x102030 + i);
        p->m_nDashStyle = i % 5;
        p->m_nReserved = 1000 + i;
        p->m_nBorderWidth = i % 4;
        p->m_nRotation = 15 * i - 90;
        p->m_nFillPattern = (i * 3) % 45;
        p->m_bNoFill = i % 3 == 0;
        p->m_nAlpha = uint8_t(255 - 9 * i);
        p->m_bShadow = i % 2;
        p->m_nShadowOffset = doc->m_nShadowLengthDefault;
        p->m_clrShadow = doc->m_clrShadowDefault;
        p->m_nLineDir = i % 4;
        if (auto* t = dynamic_cast<CText*>(p.get())) {
            t->m_strText = QStringLiteral("Jörg Müller\nCafé €5");
            t->m_nHAlign = 2;
            t->m_nVAlign = 1;
            t->m_bVertical = 1;
            t->m_clrText = 0xFF336699;
            t->m_font.lfHeight = 14;
            t->m_font.lfWeight = 700;
            t->m_font.lfItalic = 1;
            t->m_font.lfUnderline = 1;
            t->m_font.lfStrikeOut = 0;
            t->m_font.lfEscapement = 5;
            t->m_font.lfOrientation = 6;
            t->m_font.lfWidth = 3;
            t->m_font.lfCharSet = 238;
            t->m_font.lfQuality = 2;
            t->m_font.lfPitchAndFamily = 0x22;
            t->m_font.SetFaceName(QStringLiteral("Liberation Serif"));
        }
        for (int k = 0; k < 4; ++k)
            p->AddPoint(a + QPoint(5 * k, (k * k) % 7));
        doc->m_elements.push_back(std::move(p));
        ++i;
    }
    return doc;
}

QByteArray CardFileBytes(COstrelsDoc& doc)
{
    QByteArray bytes;
    CArchive ar(&bytes);
    doc.Serialize(ar);
    return bytes;
}

QString WriteFixtureFile(const QString& name, const QByteArray& bytes)
{
    const QString path = CurrentTestEnvironment().Path(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QString SaveDesignFixture(COstrelsDoc& doc, const QString& name)
{
    return WriteFixtureFile(name, CardFileBytes(doc));
}

QByteArray MakePredecessorList(const std::vector<CElement*>& elements)
{
    constexpr qsizetype kCommon = 61;
    QByteArray out;
    CArchive ar(&out);
    ar.WriteCount(uint32_t(elements.size()));
    for (CElement* e : elements) {
        ar.WriteObject(e);
        QByteArray record;
        CArchive recordAr(&record);
        e->Serialize(recordAr);
        out.chop(record.size());
        // A text's own block comes first; the common block follows it.
        const qsizetype at = dynamic_cast<CText*>(e) ? record.size() - kCommon : 0;
        out += record.left(at + 52) + record.mid(at + 53, 4) + record.mid(at + kCommon);
    }
    return out;
}

QByteArray MakePredecessorFile(const QString& version, const QByteArray& list, const CPredecessorBody& body,
                               const QString& product)
{
    QByteArray out;
    CArchive ar(&out);
    ar.WriteString(product);
    ar.WriteString(QStringLiteral("Quarvel"));
    ar.WriteString(QStringLiteral("Business Cards"));
    ar.WriteString(version);
    ar.WriteRaw(list.constData(), list.size());
    ar.WriteColor(body.clrFace);
    ar.WriteColor(body.clrShadow);
    ar.WriteInt32(body.nShadowLength);
    ar.WritePair(body.nCardWidth, body.nCardHeight);
    return out;
}
