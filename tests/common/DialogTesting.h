// What the framework and editor tests share for driving real dialogs.
#pragma once

#include <QCoreApplication>
#include <QEvent>
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
