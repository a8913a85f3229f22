#include "MemoryDC.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <algorithm>
#include <unordered_map>

#include "win32/Gdi.h"
#include "win32/Window.h"

namespace {

// The context's own font: a fixed-width Korean face, drawn without
// smoothing as on a 16-bit desktop.
QFont DefaultFont()
{
    static const bool haveFace = QFontDatabase::families().contains("NanumGothicCoding");
    QFont font = QGuiApplication::font();
    if (haveFace) {
        font.setFamily("NanumGothicCoding");
        font.setPixelSize(12);
    }
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

}  // namespace

MemoryDC::MemoryDC(uint16_t* bits, int width, int height, int pitch, bool is565)
    : m_bits(bits), m_width(width), m_height(height), m_pitch(pitch), m_is565(is565)
{
}

MemoryDC::~MemoryDC() = default;

COLORREF MemoryDC::GetPixel(int x, int y) const
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    return win32::UnpackColour(m_bits[static_cast<ptrdiff_t>(y) * m_pitch + x], m_is565);
}

COLORREF MemoryDC::SetPixel(int x, int y, COLORREF colour)
{
    if (x < 0 || y < 0 || x >= m_width || y >= m_height) return CLR_INVALID;
    uint16_t pixel = win32::PackColour(colour, m_is565);
    m_bits[static_cast<ptrdiff_t>(y) * m_pitch + x] = pixel;
    return win32::UnpackColour(pixel, m_is565);
}

COLORREF MemoryDC::SetTextColor(COLORREF colour)
{
    COLORREF previous = m_textColour;
    m_textColour = colour;
    return previous;
}

int MemoryDC::SetBkMode(int mode)
{
    if (mode != TRANSPARENT && mode != OPAQUE) return 0;
    int previous = m_bkMode;
    m_bkMode = mode;
    return previous;
}

void MemoryDC::Fill(int x, int y, int width, int height, uint16_t pixel)
{
    int left = std::max(x, 0);
    int top = std::max(y, 0);
    int right = std::min(x + width, m_width);
    int bottom = std::min(y + height, m_height);
    for (int row = top; row < bottom; row++)
        for (int column = left; column < right; column++)
            m_bits[static_cast<ptrdiff_t>(row) * m_pitch + column] = pixel;
}

BOOL MemoryDC::TextOut(int x, int y, const char* text, int length)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return FALSE;
    if (!text || length < 0 || !m_bits || m_width <= 0 || m_height <= 0) return FALSE;

    const Strokes& strokes = StrokesOf(std::string(text, static_cast<size_t>(length)));
    if (m_bkMode == OPAQUE)
        Fill(x, y, strokes.width, strokes.height, win32::PackColour(m_backColour, m_is565));
    uint16_t pixel = win32::PackColour(m_textColour, m_is565);
    for (const auto& [column, row] : strokes.points) {
        int surfaceColumn = x + column;
        int surfaceRow = y + row;
        if (surfaceColumn >= 0 && surfaceColumn < m_width && surfaceRow >= 0 && surfaceRow < m_height)
            m_bits[static_cast<ptrdiff_t>(surfaceRow) * m_pitch + surfaceColumn] = pixel;
    }
    return TRUE;
}

const MemoryDC::Strokes& MemoryDC::StrokesOf(const std::string& text)
{
    // The same few texts (the ruler's numbers) are drawn every frame; their
    // strokes are rendered once. The cache is bounded.
    static std::unordered_map<std::string, Strokes> cache;
    auto found = cache.find(text);
    if (found != cache.end()) return found->second;
    if (cache.size() >= 1024) cache.clear();

    QFont font = DefaultFont();
    QFontMetrics metrics(font);
    QString string = win32::FromCp949(text.data(), static_cast<int>(text.size()));
    Strokes strokes;
    strokes.width = metrics.horizontalAdvance(string);
    strokes.height = metrics.height();
    if (strokes.width > 0 && strokes.height > 0) {
        // Qt's mono glyphs land in the wrong place on 16-bit images, so the
        // text is rendered into a 32-bit one and its strokes taken from it.
        QImage image(strokes.width, strokes.height, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter painter(&image);
            painter.setFont(font);
            painter.setPen(Qt::black);
            painter.drawText(QPoint(0, metrics.ascent()), string);
        }
        for (int row = 0; row < strokes.height; row++) {
            const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(row));
            for (int column = 0; column < strokes.width; column++) {
                if (qAlpha(line[column]) >= 128) strokes.points.emplace_back(column, row);
            }
        }
    }
    return cache.emplace(text, std::move(strokes)).first->second;
}
