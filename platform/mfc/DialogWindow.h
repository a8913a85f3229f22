// The top-level widget of a dialog, built from its template: every control
// a real widget at its place, in template order (the tab order). It passes
// the user's actions on to its CWnd as the window system's messages.
#pragma once

#include <QPointer>
#include <QWidget>

#include <map>

#include "mfc/AfxInternal.h"

class CWnd;

class DialogWindow : public QWidget {
public:
    DialogWindow(CWnd* owner, const AfxDialogTemplate& dialogTemplate, QWidget* parent);

    // The CWnd that handles this window's messages; null once it let go.
    CWnd* Owner() const { return m_owner; }
    void Detach() { m_owner = nullptr; }

    // The window is handling an event that reached its CWnd, so it must not
    // be deleted before the event is done.
    bool Busy() const { return m_busy > 0; }
    // Marks an event that reaches the CWnd, for as long as it lives.
    class Dispatch {
    public:
        explicit Dispatch(DialogWindow* window) : m_window(window) { ++m_window->m_busy; }
        ~Dispatch() { --m_window->m_busy; }
        Dispatch(const Dispatch&) = delete;
        Dispatch& operator=(const Dispatch&) = delete;

    private:
        DialogWindow* m_window;
    };

    // The control with the id, or null.
    QWidget* Control(int id) const;
    static int ControlId(const QWidget* control);

    // The window needs its WM_PAINT: shown, resized or restored. Presenting
    // into the window does not ask for one.
    void Invalidate();
    void Validate() { m_invalid = false; }
    bool InPaint() const { return m_inPaint; }

    // A control's notification (BN_CLICKED, CBN_SELCHANGE, EN_CHANGE,
    // EN_KILLFOCUS) to the owner, unless the owner is exchanging its data.
    void Notify(int id, int code);

    const afx::DialogUnits& Units() const { return m_units; }

    // The client area, where the template's controls lie: the whole window,
    // or inside the sunken edge of a template with a client edge.
    QRect ClientRect() const { return rect().adjusted(m_edge, m_edge, -m_edge, -m_edge); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    QWidget* MakeControl(const AfxDialogItem& item);

    CWnd* m_owner;
    // The first control made with each id. Every data exchange looks its
    // fields up here, so the look-up must not read each child's properties.
    std::map<int, QPointer<QWidget>> m_controls;
    afx::DialogUnits m_units;
    int m_edge = 0;  // width of the client edge in pixels
    int m_busy = 0;
    bool m_invalid = true;
    bool m_inPaint = false;
};
