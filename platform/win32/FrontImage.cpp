#include "FrontImage.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>

#include <algorithm>

#include "win32/Gdi.h"

FrontImage* FrontImage::Find(QWidget* window)
{
    for (QObject* child : window->children()) {
        if (auto* front = dynamic_cast<FrontImage*>(child)) return front;
    }
    return nullptr;
}

FrontImage* FrontImage::Of(QWidget* window)
{
    FrontImage* front = Find(window);
    return front ? front : new FrontImage(window);
}

FrontImage::FrontImage(QWidget* window)
    : QWidget(window)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    FollowWindow();
    window->installEventFilter(this);
    show();
}

void FrontImage::FollowWindow()
{
    QWidget* window = parentWidget();
    if (m_image.size() != window->size()) {
        QImage image(window->size(), QImage::Format_ARGB32_Premultiplied);
        image.fill(0);
        if (!m_image.isNull()) {
            QPainter painter(&image);
            painter.setCompositionMode(QPainter::CompositionMode_Source);
            painter.drawImage(0, 0, m_image);
        }
        m_image = image;
    }
    setGeometry(window->rect());
    raise();
}

bool FrontImage::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == parentWidget()) {
        if (event->type() == QEvent::Resize) FollowWindow();
        // A widget added later would lie above the image.
        if (event->type() == QEvent::ChildAdded) raise();
    }
    return QWidget::eventFilter(watched, event);
}

void FrontImage::Present(int x, int y, int width, int height, const uint16_t* source, int pitch,
                         bool is565)
{
    QRect target = QRect(x, y, width, height).intersected(m_image.rect());
    if (target.isEmpty()) return;
    source += static_cast<ptrdiff_t>(target.y() - y) * pitch + (target.x() - x);
    for (int row = 0; row < target.height(); ++row) {
        const uint16_t* in = source + static_cast<ptrdiff_t>(row) * pitch;
        auto* out = reinterpret_cast<uint32_t*>(m_image.scanLine(target.y() + row)) + target.x();
        for (int column = 0; column < target.width(); ++column) {
            COLORREF colour = win32::UnpackColour(in[column], is565);
            out[column] = 0xFF000000u | (GetRValue(colour) << 16) | (GetGValue(colour) << 8) |
                          GetBValue(colour);
        }
    }
    if (parentWidget()->children().last() != this) raise();
    // Never a synchronous repaint: the program presents from its paint handler.
    update(target);
}

void FrontImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect());
}
