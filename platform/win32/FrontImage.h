// The front image of a window: what blits onto the primary surface (the
// screen) have shown in that window, kept as the 16-bit pixels they were.
// A child widget of the window shows it: it covers exactly the part of the
// window that something was presented into, lets every mouse event through,
// stays above its siblings and paints nothing but its image. Being opaque
// there, updating it never makes the window itself repaint underneath.
#pragma once

#include <QImage>
#include <QRect>
#include <QWidget>

#include <cstdint>
#include <memory>

class FrontImage : public QWidget {
public:
    // The window's front image, made on first use.
    static FrontImage* Of(QWidget* window);

    // Puts the 16-bit pixels of a width x height block into the image with
    // its top left corner at (x, y), window coordinates, clipped to the
    // window, and schedules a repaint of what changed. With an owner of the
    // pixels, which promises not to change them while it is shared, the
    // image keeps the owner and copies the pixels only when it must (when it
    // paints, changes size, or another block does not cover this one), as a
    // display adapter would show them without the processor copying them.
    void Present(int x, int y, int width, int height, const uint16_t* source, int pitch,
                 bool is565, std::shared_ptr<const uint16_t> owner = nullptr);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    explicit FrontImage(QWidget* window);
    void FollowWindow();
    // Copies the kept block, if any, into the image and lets its owner go.
    void TakeKeptPixels();
    // target lies in the image; pixels is its top left pixel's source.
    void CopyIntoImage(const QRect& target, const uint16_t* pixels, int pitch);

    QImage m_image;  // the window's size, in the format of the last present
    QRect m_shown;   // bounding rectangle of everything presented

    // The block presented last, not yet copied into the image.
    struct Kept {
        std::shared_ptr<const uint16_t> owner;  // null: nothing kept
        const uint16_t* pixels = nullptr;       // the pixel at the target's top left
        int pitch = 0;
        QRect target;  // in the image
    };
    Kept m_kept;
};
