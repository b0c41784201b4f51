#include "app/BatchCommands.h"
#include "document/COstrelsDoc.h"
#include "elements/CLines.h"
#include "elements/CPictures.h"
#include "elements/CText.h"

#include <QCryptographicHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QtEndian>
#include <cstdio>

namespace {
QString Hex(QRgb argb) { return QStringLiteral("%1").arg(argb, 8, 16, QLatin1Char('0')).toUpper(); }

QJsonArray RectJson(const CRect& rc) { return {rc.left, rc.top, rc.right, rc.bottom}; }

QJsonArray PointsJson(const CPointList& points)
{
    QJsonArray a;
    for (const CPointF& p : points.Points())
        a.append(QJsonArray{double(p.x), double(p.y)});
    return a;
}

// sha256 of the pixels as card files hold them: alpha, red, green, blue per
// pixel, top row first.
void AddPicture(QJsonObject& o, const QImage& image)
{
    const QImage argb = image.format() == QImage::Format_ARGB32 ? image : image.convertToFormat(QImage::Format_ARGB32);
    QCryptographicHash hash(QCryptographicHash::Sha256);
    QByteArray row(qsizetype(argb.width()) * 4, Qt::Uninitialized);
    for (int y = 0; y < argb.height(); ++y) {
        qToBigEndian<quint32>(argb.constScanLine(y), argb.width(), row.data());
        hash.addData(row);
    }
    o[QStringLiteral("imageWidth")] = argb.width();
    o[QStringLiteral("imageHeight")] = argb.height();
    o[QStringLiteral("pixelsSha256")] = QString::fromLatin1(hash.result().toHex());
}

QJsonObject FontJson(const CLogFont& f)
{
    return {
        {QStringLiteral("height"), f.lfHeight},
        {QStringLiteral("width"), f.lfWidth},
        {QStringLiteral("escapement"), f.lfEscapement},
        {QStringLiteral("orientation"), f.lfOrientation},
        {QStringLiteral("weight"), f.lfWeight},
        {QStringLiteral("italic"), f.lfItalic},
        {QStringLiteral("underline"), f.lfUnderline},
        {QStringLiteral("strikeOut"), f.lfStrikeOut},
        {QStringLiteral("charSet"), f.lfCharSet},
        {QStringLiteral("outPrecision"), f.lfOutPrecision},
        {QStringLiteral("clipPrecision"), f.lfClipPrecision},
        {QStringLiteral("quality"), f.lfQuality},
        {QStringLiteral("pitchAndFamily"), f.lfPitchAndFamily},
        {QStringLiteral("faceName"), f.lfFaceName},
    };
}

QJsonObject ElementJson(const CElement& e)
{
    QJsonObject o{
        {QStringLiteral("class"), QLatin1String(e.GetClassName())},
        {QStringLiteral("type"), e.m_nType},
        {QStringLiteral("side"), e.m_nSide},
        {QStringLiteral("bounds"), RectJson(e.m_rcBounds)},
        {QStringLiteral("border"), Hex(e.m_clrBorder)},
        {QStringLiteral("fill"), Hex(e.m_clrFill)},
        {QStringLiteral("pattern"), Hex(e.m_clrPattern)},
        {QStringLiteral("dashStyle"), e.m_nDashStyle},
        {QStringLiteral("reserved"), e.m_nReserved},
        {QStringLiteral("borderWidth"), e.m_nBorderWidth},
        {QStringLiteral("rotation"), e.m_nRotation},
        {QStringLiteral("fillPattern"), e.m_nFillPattern},
        {QStringLiteral("noFill"), e.m_bNoFill},
        {QStringLiteral("alpha"), e.m_nAlpha},
        {QStringLiteral("shadow"), e.m_bShadow},
        {QStringLiteral("shadowOffset"), e.m_nShadowOffset},
        {QStringLiteral("shadowColor"), Hex(e.m_clrShadow)},
        {QStringLiteral("locked"), e.m_bLocked},
    };
    if (dynamic_cast<const CLine*>(&e))
        o[QStringLiteral("lineDir")] = e.m_nLineDir;
    if (const auto* p = dynamic_cast<const CFreehandLine*>(&e))
        o[QStringLiteral("points")] = PointsJson(p->m_points);
    if (const auto* p = dynamic_cast<const CClosedCurve*>(&e))
        o[QStringLiteral("points")] = PointsJson(p->m_points);
    if (const auto* p = dynamic_cast<const CBtImage*>(&e))
        AddPicture(o, p->m_pImage);
    if (const auto* p = dynamic_cast<const CBkgImage*>(&e))
        AddPicture(o, p->m_pImage);
    if (dynamic_cast<const CText*>(&e)) {
        o[QStringLiteral("text")] = e.m_strText;
        o[QStringLiteral("hAlign")] = e.m_nHAlign;
        o[QStringLiteral("vAlign")] = e.m_nVAlign;
        o[QStringLiteral("vertical")] = e.m_bVertical;
        o[QStringLiteral("textColor")] = Hex(e.m_clrText);
        o[QStringLiteral("font")] = FontJson(e.m_font);
    }
    return o;
}
}  // namespace

int BatchCommands::RunInfo(const QStringList& args)
{
    if (args.size() != 1)
        return UsageError("--info FILE");
    COstrelsDoc doc;
    if (!doc.OnOpenDocument(args[0]))
        return 1;
    QJsonArray elements;
    for (const auto& p : doc.m_elements)
        elements.append(ElementJson(*p));
    const QJsonObject info{
        {QStringLiteral("version"), doc.LoadedFileVersion()},
        {QStringLiteral("sides"), doc.m_nSides},
        {QStringLiteral("cardWidth"), doc.m_nCardWidth},
        {QStringLiteral("cardHeight"), doc.m_nCardHeight},
        {QStringLiteral("cardWidthFine"), doc.m_nCardWidthFine},
        {QStringLiteral("cardHeightFine"), doc.m_nCardHeightFine},
        {QStringLiteral("sheetWidth"), doc.m_nSheetWidth},
        {QStringLiteral("sheetHeight"), doc.m_nSheetHeight},
        {QStringLiteral("faceFront"), Hex(doc.m_clrFront)},
        {QStringLiteral("faceBack"), Hex(doc.m_clrBack)},
        {QStringLiteral("shadowColor"), Hex(doc.m_clrShadowDefault)},
        {QStringLiteral("shadowLength"), doc.m_nShadowLengthDefault},
        {QStringLiteral("elements"), elements},
    };
    const QByteArray json = QJsonDocument(info).toJson(QJsonDocument::Compact);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    std::fputc('\n', stdout);
    return 0;
}
