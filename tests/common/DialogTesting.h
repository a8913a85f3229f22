// What the framework and editor tests share for driving real dialogs.
#pragma once

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QEvent>
#include <QString>
#include <QTest>
#include <QWidget>

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

// Pastes text at the cursor of an edit with Ctrl+V.
inline void Paste(QWidget* edit, const QString& text)
{
    QApplication::clipboard()->setText(text);
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
}
