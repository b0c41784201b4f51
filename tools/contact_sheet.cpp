// Renders every closed shape, fill pattern, shadow and dash style into one PNG
// so a person can check the drawing by eye.
//   kestova_contact_sheet out.png [pixels-per-canvas-unit]
//   kestova_contact_sheet out.pdf   (the same sheet through the PDF engine)
#include "elements/CShapes.h"
#include "elements/ElementRegistry.h"
#include "elements/ElementTypes.h"
#include "elements/ShapeOutlines.h"

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <cstdio>
#include <functional>

namespace {
constexpr int kCell = 130;       // canvas units per sheet cell
constexpr int kShapeW = 90;
constexpr int kShapeH = 60;
constexpr int kPerRow = 11;

using Tweak = std::function<void(CElement&)>;

class CSheet {
public:
    explicit CSheet(QPainter& g) : m_g(g) {}

    void Heading(const QString& text)
    {
        m_y += 20;
        m_g.setPen(Qt::black);
        m_g.drawText(QPointF(10, m_y + 14), text);
        m_y += 30;
        m_col = 0;
    }

    // Draws one element in the next cell, labelled underneath.
    void Cell(int16_t nType, const QString& label, const Tweak& tweak)
    {
        if (m_col == kPerRow)
            NewRow();
        const int left = 20 + m_col * kCell + (kCell - kShapeW) / 2;
        const int top = m_y + 25;
        auto e = ElementRegistry::CreateForTool(nType, QPoint(left, top), QPoint(left + kShapeW, top + kShapeH));
        tweak(*e);
        e->Draw(m_g);
        m_g.setPen(Qt::black);
        m_g.drawText(QPointF(20 + m_col * kCell + 5, m_y + kCell - 5), label);
        ++m_col;
    }

    void NewRow()
    {
        m_y += kCell;
        m_col = 0;
    }
    int Bottom() const { return m_y + kCell; }

private:
    QPainter& m_g;
    int m_y = 0;
    int m_col = 0;
};

void DrawSheet(QPainter& g)
{
    CSheet sheet(g);
    for (int nRotation : {0, 30}) {
        sheet.Heading(QStringLiteral("Shapes with their defaults, rotation %1").arg(nRotation));
        for (int16_t t : ShapeOutlines::AllTypes())
            sheet.Cell(t, QString::number(t), [nRotation](CElement& e) { e.m_nRotation = nRotation; });
        sheet.NewRow();
    }
    sheet.Heading(QStringLiteral("Fill patterns 0 to 43 (fill white, pattern blue)"));
    for (int n = 0; n <= 43; ++n)
        sheet.Cell(ElementType::kRectangle, QString::number(n), [n](CElement& e) {
            e.m_nFillPattern = n;
            e.m_clrFill = 0xFFFFFFFF;
            e.m_clrPattern = 0xFF2050C0;
        });
    sheet.NewRow();
    sheet.Heading(QStringLiteral("Shadows; radial 37 on a star; alpha 128; no fill"));
    for (int16_t t : ShapeOutlines::AllTypes())
        sheet.Cell(t, QString::number(t), [](CElement& e) { e.m_bShadow = 1; e.m_clrShadow = 0xFF808080; });
    sheet.Cell(ElementType::kStar, QStringLiteral("star 37"), [](CElement& e) { e.m_nFillPattern = 37; });
    sheet.Cell(ElementType::kRectangle, QStringLiteral("alpha 128"), [](CElement& e) {
        e.m_nAlpha = 128;
        e.m_clrFill = 0xFFFF0000;
        e.m_bShadow = 1;
    });
    sheet.Cell(ElementType::kCalloutBL, QStringLiteral("no fill"), [](CElement& e) { e.m_bNoFill = 1; });
    sheet.NewRow();
    sheet.Heading(QStringLiteral("Dash styles 0 to 4 at width 3, width 0 border, sun at width 0"));
    for (int n = 0; n <= 4; ++n)
        sheet.Cell(ElementType::kRectangle, QString::number(n), [n](CElement& e) {
            e.m_nBorderWidth = 3;
            e.m_nDashStyle = n;
        });
    sheet.Cell(ElementType::kCircle, QStringLiteral("width 0"), [](CElement& e) { e.m_nBorderWidth = 0; });
    sheet.Cell(ElementType::kSun, QStringLiteral("width 0"), [](CElement& e) { e.m_nBorderWidth = 0; });
}
}  // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s out.png [pixels-per-canvas-unit]\n", argv[0]);
        return 2;
    }
    const double scale = argc > 2 ? QString::fromLocal8Bit(argv[2]).toDouble() : 1.5;
    if (!(scale > 0.1 && scale <= 8)) {
        std::fprintf(stderr, "scale must lie between 0.1 and 8\n");
        return 2;
    }

    constexpr int kWidth = 40 + kPerRow * kCell;
    constexpr int kHeight = 1700;
    const QString path = QString::fromLocal8Bit(argv[1]);
    const auto paint = [](QPainter& g, double s) {
        g.scale(s, s);
        QFont font = g.font();
        font.setPixelSize(11);
        g.setFont(font);
        DrawSheet(g);
    };
    if (path.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        // One canvas unit is 1/100 inch, as on paper.
        QPdfWriter pdf(path);
        pdf.setResolution(600);
        pdf.setPageSize(QPageSize(QSizeF(kWidth / 100.0, kHeight / 100.0), QPageSize::Inch));
        pdf.setPageMargins(QMarginsF());
        QPainter g(&pdf);
        paint(g, 6.0);
        if (!g.end()) {
            std::fprintf(stderr, "cannot write %s\n", argv[1]);
            return 1;
        }
        return 0;
    }
    QImage image(int(kWidth * scale), int(kHeight * scale), QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter g(&image);
    paint(g, scale);
    g.end();
    if (!image.save(path)) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
