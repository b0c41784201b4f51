#include "support/PixelCanvas.h"

#include "elements/CElement.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr QRgb kBackground = 0xFFFFFFFF;
}

CPixelCanvas::CPixelCanvas(int nWorldWidth, int nWorldHeight, double fScale)
    : m_image(int(std::ceil(nWorldWidth * fScale)), int(std::ceil(nWorldHeight * fScale)), QImage::Format_ARGB32),
      m_fScale(fScale)
{
    m_image.fill(kBackground);
}

void CPixelCanvas::Paint(const std::function<void(QPainter&)>& paint)
{
    QPainter g(&m_image);
    g.scale(m_fScale, m_fScale);
    paint(g);
}

void CPixelCanvas::Draw(CElement& e)
{
    Paint([&e](QPainter& g) { e.Draw(g); });
}

QRgb CPixelCanvas::At(double x, double y) const
{
    return m_image.pixel(int(std::floor(x * m_fScale)), int(std::floor(y * m_fScale)));
}

bool CPixelCanvas::Inked(double x, double y) const
{
    const int px = int(std::floor(x * m_fScale)), py = int(std::floor(y * m_fScale));
    for (int j = py - 1; j <= py + 1; ++j)
        for (int i = px - 1; i <= px + 1; ++i)
            if (m_image.valid(i, j) && m_image.pixel(i, j) != kBackground)
                return true;
    return false;
}

bool CPixelCanvas::AnyInk() const
{
    for (int j = 0; j < m_image.height(); ++j)
        for (int i = 0; i < m_image.width(); ++i)
            if (m_image.pixel(i, j) != kBackground)
                return true;
    return false;
}

bool ColorNear(QRgb a, QRgb b, int n)
{
    return std::abs(qRed(a) - qRed(b)) <= n && std::abs(qGreen(a) - qGreen(b)) <= n &&
           std::abs(qBlue(a) - qBlue(b)) <= n && std::abs(qAlpha(a) - qAlpha(b)) <= n;
}
