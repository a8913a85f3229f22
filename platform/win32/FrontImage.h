// The front image of a window: what blits onto the primary surface (the
// screen) have shown in that window. A child widget that covers its window
// whole, lets every mouse event through, stays above its siblings, follows
// the window's size and paints nothing but its image, transparent where
// nothing was presented.
#pragma once

#include <QImage>
#include <QWidget>

#include <cstdint>

class FrontImage : public QWidget {
public:
    // The window's front image, made on first use.
    static FrontImage* Of(QWidget* window);
    // The window's front image if it has one, else null.
    static FrontImage* Find(QWidget* window);

    // Converts the 16-bit pixels of a width x height block into the image
    // with its top left corner at (x, y), window coordinates, clipped to the
    // window, and schedules a repaint of what changed.
    void Present(int x, int y, int width, int height, const uint16_t* source, int pitch,
                 bool is565);

    const QImage& Image() const { return m_image; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FrontImage(QWidget* window);
    void FollowWindow();

    QImage m_image;
};
