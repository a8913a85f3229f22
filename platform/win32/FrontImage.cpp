#include "FrontImage.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>

#include <cstring>


FrontImage* FrontImage::Of(QWidget* window)
{
    // The image keeps itself above the window's other children, so it is
    // nearly always the last one; a dialog has dozens of controls.
    const QObjectList& children = window->children();
    if (!children.isEmpty()) {
        if (auto* front = dynamic_cast<FrontImage*>(children.last())) return front;
    }
    for (QObject* child : children) {
        if (auto* front = dynamic_cast<FrontImage*>(child)) return front;
    }
    return new FrontImage(window);
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
        TakeKeptPixels();
        const QImage old = m_image;
        m_image = QImage(window->size(), old.isNull() ? QImage::Format_RGB16 : old.format());
        m_image.fill(0);
        CopyIntoImage(old.rect().intersected(m_image.rect()),
                      reinterpret_cast<const uint16_t*>(old.constBits()),
                      static_cast<int>(old.bytesPerLine() / 2));
        m_shown = m_shown.intersected(m_image.rect());
    }
}

void FrontImage::Present(int x, int y, int width, int height, const uint16_t* source, int pitch,
                         bool is565, std::shared_ptr<const uint16_t> owner)
{
    QRect target = QRect(x, y, width, height).intersected(m_image.rect());
    if (target.isEmpty()) return;
    QImage::Format format = is565 ? QImage::Format_RGB16 : QImage::Format_RGB555;
    // A kept block that this one does not hide, or of the other format, goes
    // into the image first.
    if (m_kept.owner && (!target.contains(m_kept.target) || m_image.format() != format))
        TakeKeptPixels();
    if (m_image.format() != format) m_image.convertTo(format);

    source += static_cast<ptrdiff_t>(target.y() - y) * pitch + (target.x() - x);
    if (owner) {
        m_kept = Kept{std::move(owner), source, pitch, target};
    } else {
        m_kept = Kept{};
        CopyIntoImage(target, source, pitch);
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

void FrontImage::TakeKeptPixels()
{
    if (!m_kept.owner) return;
    CopyIntoImage(m_kept.target, m_kept.pixels, m_kept.pitch);
    m_kept = Kept{};
}

void FrontImage::CopyIntoImage(const QRect& target, const uint16_t* pixels, int pitch)
{
    for (int row = 0; row < target.height(); ++row) {
        std::memcpy(reinterpret_cast<uint16_t*>(m_image.scanLine(target.y() + row)) + target.x(),
                    pixels + static_cast<ptrdiff_t>(row) * pitch,
                    static_cast<size_t>(target.width()) * 2);
    }
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
    TakeKeptPixels();
    QPainter painter(this);
    painter.drawImage(event->rect(), m_image, event->rect().translated(m_shown.topLeft()));
}
