#include "FrontImage.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>

#include <cstring>


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
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    FollowWindow();
    window->installEventFilter(this);
}

void FrontImage::FollowWindow()
{
    QWidget* window = parentWidget();
    if (m_image.size() != window->size()) {
        QImage image(window->size(), m_image.isNull() ? QImage::Format_RGB16 : m_image.format());
        image.fill(0);
        QRect kept = m_image.rect().intersected(image.rect());
        for (int row = 0; row < kept.height(); ++row)
            std::memcpy(image.scanLine(row), m_image.constScanLine(row),
                        static_cast<size_t>(kept.width()) * 2);
        m_image = image;
        m_shown = m_shown.intersected(m_image.rect());
    }
}

void FrontImage::Present(int x, int y, int width, int height, const uint16_t* source, int pitch,
                         bool is565)
{
    QRect target = QRect(x, y, width, height).intersected(m_image.rect());
    if (target.isEmpty()) return;
    QImage::Format format = is565 ? QImage::Format_RGB16 : QImage::Format_RGB555;
    if (m_image.format() != format) m_image.convertTo(format);

    source += static_cast<ptrdiff_t>(target.y() - y) * pitch + (target.x() - x);
    for (int row = 0; row < target.height(); ++row) {
        std::memcpy(reinterpret_cast<uint16_t*>(m_image.scanLine(target.y() + row)) + target.x(),
                    source + static_cast<ptrdiff_t>(row) * pitch,
                    static_cast<size_t>(target.width()) * 2);
    }

    QRect shown = m_shown.united(target);
    if (shown != m_shown || isHidden()) {
        m_shown = shown;
        setGeometry(m_shown);
        show();
    }
    if (parentWidget()->children().last() != this) raise();
    // Never a synchronous repaint: the program presents from its paint handler.
    update(target.translated(-m_shown.topLeft()));
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

void FrontImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect().translated(m_shown.topLeft()));
}
