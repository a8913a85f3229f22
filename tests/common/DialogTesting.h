// What the framework and editor tests share for driving real dialogs as a
// user does: clicks, keys, choices in combo boxes, and reading back what a
// control shows.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QEvent>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <string>

#include <gtest/gtest.h>

#include "mfc/CWnd.h"

// Lets Qt deliver what is pending, deferred deletions included.
inline void Settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

// The widget of a dialog's control, null if the dialog has no such control.
inline QWidget* Control(CWnd& dialog, int id)
{
    CWnd* item = dialog.GetDlgItem(id);
    return item ? item->Widget() : nullptr;
}

// What a control shows as UTF-8: an edit's, a label's or a button's text, a
// combo box's chosen entry.
inline std::string TextOf(CWnd& dialog, int id)
{
    QWidget* control = Control(dialog, id);
    if (auto* edit = qobject_cast<QLineEdit*>(control))
        return edit->text().toStdString();
    if (auto* label = qobject_cast<QLabel*>(control))
        return label->text().toStdString();
    if (auto* button = qobject_cast<QAbstractButton*>(control))
        return button->text().toStdString();
    if (auto* combo = qobject_cast<QComboBox*>(control))
        return combo->currentText().toStdString();
    return "<no such control>";
}

inline std::string WindowTitle(CWnd& window)
{
    return window.Widget()->windowTitle().toStdString();
}

// Clicks a dialog's button (or check box) with the mouse.
inline void Click(CWnd& dialog, int id)
{
    QWidget* button = Control(dialog, id);
    ASSERT_NE(button, nullptr) << id;
    QTest::mouseClick(button, Qt::LeftButton);
    Settle();
}

// Types text into a control as a user does, one key per character; a
// character outside ASCII (a Korean syllable, say) comes as the text of its
// key, as the keyboard layout or input method delivers it.
inline void Type(QWidget* control, const QString& text)
{
    for (QChar c : text) {
        if (c.unicode() < 0x80)
            QTest::keyClick(control, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, control, Qt::Key_unknown, QString(c),
                                Qt::NoModifier);
    }
}

// Replaces the text of an edit as a user does: all selected, then typed.
inline void Retype(CWnd& dialog, int id, const QString& text)
{
    QWidget* edit = Control(dialog, id);
    ASSERT_NE(edit, nullptr) << id;
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        Type(edit, text);
}

// Pastes text at the cursor of an edit with Ctrl+V.
inline void Paste(QWidget* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}

// Picks an entry of a drop-down list with the arrow keys; each step is a
// choice of its own, as on the keyboard.
inline void PickEntry(CWnd& dialog, int id, int index)
{
    auto* combo = qobject_cast<QComboBox*>(Control(dialog, id));
    ASSERT_NE(combo, nullptr) << id;
    combo->setFocus();
    while (combo->currentIndex() < index)
        QTest::keyClick(combo, Qt::Key_Down);
    while (combo->currentIndex() > index)
        QTest::keyClick(combo, Qt::Key_Up);
}

// Chooses an entry of a drop-down list from its open list: one choice,
// however far from the current one.
inline void ChooseEntry(CWnd& dialog, int id, int index)
{
    auto* combo = qobject_cast<QComboBox*>(Control(dialog, id));
    ASSERT_NE(combo, nullptr) << id;
    combo->setFocus();
    combo->setCurrentIndex(index);
    emit combo->activated(index);
    Settle();
}

// Runs inspect on the next modal window of kind T (a message box, a file
// dialog) once it is up; inspect answers it. For the program's real
// dialogs, while message boxes are not captured.
template <typename T>
void WhenModalShows(std::function<void(T*)> inspect)
{
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, [timer, inspect] {
        if (auto* modal = qobject_cast<T*>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            Settle();
            inspect(modal);
        }
    });
    timer->start(5);
}
