// Driving real dialogs as a user does, and reading back what a control shows.
#pragma once

#include <QAbstractButton>
#include <QApplication>
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

// Types text one key per character; one outside ASCII comes as the text of
// its key, as an input method delivers it.
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

// Picks an entry of a drop-down list: with the arrow keys, each step a
// choice of its own; or at once from its open list, one choice however far.
inline void PickEntry(CWnd& dialog, int id, int index, bool atOnce = false)
{
    auto* combo = qobject_cast<QComboBox*>(Control(dialog, id));
    ASSERT_NE(combo, nullptr) << id;
    combo->setFocus();
    if (atOnce) {
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    } else {
        // A list shorter than expected fails here instead of spinning.
        ASSERT_LT(index, combo->count()) << id;
        while (combo->currentIndex() != index) {
            const int before = combo->currentIndex();
            QTest::keyClick(combo, combo->currentIndex() < index ? Qt::Key_Down : Qt::Key_Up);
            ASSERT_NE(combo->currentIndex(), before) << id << ": entry " << index << " not reached";
        }
    }
    Settle();
}

// Runs inspect on the next modal window of kind T once it is up, to answer
// it (for real message boxes and file dialogs).
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
