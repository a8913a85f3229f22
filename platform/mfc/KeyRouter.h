// Routes every key press in a dialog through that dialog's
// PreTranslateMessage before the focused control sees it, as WM_KEYDOWN, or
// as WM_SYSKEYDOWN while Alt is held: an event filter of the whole
// application, installed with the first dialog.
#pragma once

#include <QObject>

class KeyRouter : public QObject {
public:
    static void Install();

    // The virtual-key code of a Qt key (0 for keys without one).
    static unsigned VirtualKey(int qtKey);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    using QObject::QObject;
};
