// Message boxes: scripted while tests capture them, otherwise a modal
// QMessageBox.
#include <QApplication>
#include <QIcon>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

#include <vector>

#include "testing/Testing.h"
#include "win32/Window.h"

namespace {

QMessageBox::Icon IconOf(UINT type)
{
    switch (type & MB_ICONMASK) {
    case MB_ICONHAND: return QMessageBox::Critical;
    case MB_ICONQUESTION: return QMessageBox::Question;
    case MB_ICONEXCLAMATION: return QMessageBox::Warning;
    case MB_ICONASTERISK: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

struct Button {
    QMessageBox::StandardButton qt;
    int answer;
};

// The box's buttons in order; any other kind of box has an OK button.
std::vector<Button> ButtonsOf(UINT type)
{
    switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL: return {{QMessageBox::Ok, IDOK}, {QMessageBox::Cancel, IDCANCEL}};
    case MB_YESNO: return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO}};
    case MB_YESNOCANCEL:
        return {{QMessageBox::Yes, IDYES}, {QMessageBox::No, IDNO},
                {QMessageBox::Cancel, IDCANCEL}};
    default: return {{QMessageBox::Ok, IDOK}};
    }
}

// The default button; one beyond the box's buttons means the first.
Button DefaultOf(UINT type)
{
    std::vector<Button> buttons = ButtonsOf(type);
    size_t index = (type & MB_DEFMASK) >> 8;
    return index < buttons.size() ? buttons[index] : buttons[0];
}

// What Esc and the close button answer: Cancel if there is one, else No,
// else OK.
Button EscapeOf(UINT type)
{
    std::vector<Button> buttons = ButtonsOf(type);
    for (const Button& button : buttons) {
        if (button.answer == IDCANCEL) return button;
    }
    return buttons.size() > 1 ? buttons[1] : buttons[0];
}

}  // namespace

int MessageBoxA(HWND owner, LPCSTR text, LPCSTR caption, UINT type)
{
    if (testhooks::CapturingMessageBoxes()) {
        return testhooks::RecordMessageBox(owner, text, caption, type, DefaultOf(type).answer);
    }
    if (!qobject_cast<QApplication*>(QCoreApplication::instance())) return 0;

    QWidget* parent = win32::WidgetOf(owner);
    QMessageBox box(IconOf(type), win32::FromCp949(caption ? caption : "Error"),
                    win32::FromCp949(text ? text : ""), QMessageBox::NoButton,
                    parent ? parent->window() : nullptr);
    // The program's texts are plain, never markup.
    box.setTextFormat(Qt::PlainText);
    std::vector<Button> buttons = ButtonsOf(type);
    // Buttons show their text only, whatever icons the desktop's style has.
    for (const Button& button : buttons) box.addButton(button.qt)->setIcon(QIcon());
    box.setDefaultButton(DefaultOf(type).qt);
    box.setEscapeButton(EscapeOf(type).qt);

    auto clicked = static_cast<QMessageBox::StandardButton>(box.exec());
    for (const Button& button : buttons) {
        if (button.qt == clicked) return button.answer;
    }
    return EscapeOf(type).answer;
}
