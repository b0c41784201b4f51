#include "elements/TextLayout.h"

#include <QFontDatabase>
#include <QFontMetricsF>
#include <QImage>
#include <QRegularExpression>
#include <QTextLayout>
#include <cmath>

namespace {
// Metric-compatible stand-ins for the faces new text blocks are given, for
// systems whose font configuration does not alias them itself.
struct CFaceAlias {
    const char* szFace;
    const char* szInstalled;
};
const CFaceAlias kFaceAliases[] = {
    {"Arial Narrow", "Liberation Sans Narrow"},
    {"Arial", "Liberation Sans"},
};

constexpr int kBoldWeight = 700;
constexpr qreal kCanvasUnitsPerPoint = 100.0 / 72.0;
// 72 dots per inch in dots per metre, as QImage keeps resolution.
constexpr int kMeasureDotsPerMeter = 2835;
// Slack for floating-point sums when deciding whether a line fits.
constexpr qreal kFitSlack = 1e-3;

QString WithoutTrailingSpace(QString s)
{
    qsizetype n = s.size();
    while (n > 0 && s.at(n - 1).isSpace())
        --n;
    s.truncate(n);
    return s;
}

// The paragraph's lines, wrapped at word boundaries.
void WrapParagraph(const QString& para, const QFont& font, qreal fLineLength, QStringList& out)
{
    if (para.isEmpty()) {
        out << QString();
        return;
    }
    QTextLayout layout(para, font, TextLayout::MeasureDevice());
    QTextOption option(Qt::AlignLeft | Qt::AlignAbsolute);
    option.setWrapMode(QTextOption::WordWrap);
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(fLineLength);
        out << WithoutTrailingSpace(para.mid(line.textStart(), line.textLength()));
    }
    layout.endLayout();
}
}  // namespace

QPaintDevice* TextLayout::MeasureDevice()
{
    static QImage s_device = [] {
        QImage img(1, 1, QImage::Format_ARGB32);
        img.setDotsPerMeterX(kMeasureDotsPerMeter);
        img.setDotsPerMeterY(kMeasureDotsPerMeter);
        return img;
    }();
    return &s_device;
}

QFont TextLayout::FontFor(const CLogFont& lf)
{
    QFont font;
    QStringList families{lf.lfFaceName};
    if (!QFontDatabase::hasFamily(lf.lfFaceName))
        for (const CFaceAlias& a : kFaceAliases)
            if (lf.lfFaceName.compare(QLatin1String(a.szFace), Qt::CaseInsensitive) == 0)
                families << QLatin1String(a.szInstalled);
    font.setFamilies(families);
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(lf.lfHeight * kCanvasUnitsPerPoint);
    // Unhinted outlines scale linearly, so a box wraps alike at every zoom.
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setWeight(lf.lfWeight == kBoldWeight ? QFont::Bold : QFont::Normal);
    font.setItalic(lf.lfItalic == 1);
    font.setUnderline(lf.lfUnderline == 1);
    font.setStrikeOut(lf.lfStrikeOut == 1);
    return font;
}

TextLayout::CSetLines TextLayout::SetLines(const QString& strText, const QFont& font, qreal fLineLength, qreal fDepth)
{
    CSetLines set;
    const QFontMetricsF fm(font, MeasureDevice());
    set.fLineSpacing = fm.lineSpacing();
    if (strText.isEmpty() || fLineLength <= 0 || fDepth <= 0 || set.fLineSpacing <= 0)
        return set;

    static const QRegularExpression kLineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList wrapped;
    for (const QString& para : strText.split(kLineBreak))
        WrapParagraph(para, font, fLineLength, wrapped);

    const qsizetype nFit = std::max<qsizetype>(1, qsizetype(std::floor(fDepth / set.fLineSpacing + kFitSlack)));
    const bool bCut = wrapped.size() > nFit;
    if (bCut)
        wrapped.resize(nFit);
    for (qsizetype i = 0; i < wrapped.size(); ++i) {
        QString& line = wrapped[i];
        const bool bLast = i == wrapped.size() - 1;
        if (bLast && bCut)
            line = fm.elidedText(line + kEllipsis, Qt::ElideRight, fLineLength);
        else if (fm.horizontalAdvance(line) > fLineLength + kFitSlack)
            line = fm.elidedText(line, Qt::ElideRight, fLineLength);
    }
    set.lines = wrapped;
    return set;
}
