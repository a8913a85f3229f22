// Test hook: a click on a list row, as a user makes it.
#include <QAbstractItemView>
#include <QApplication>
#include <QMouseEvent>
#include <QTableView>

#include "testing/Testing.h"
#include "win32/Window.h"

namespace testhooks {

void ClickListRow(HWND list, int row)
{
    auto* view = qobject_cast<QAbstractItemView*>(win32::WidgetOf(list));
    if (!view || !view->model()) return;
    // The first column a user can see: 0-width columns are hidden.
    auto* table = qobject_cast<QTableView*>(view);
    QModelIndex index;
    for (int column = 0; column < view->model()->columnCount() && !index.isValid(); ++column) {
        if (!table || !table->isColumnHidden(column))
            index = view->model()->index(row, column);
    }
    if (!index.isValid()) return;
    // Rows added since the view last laid itself out have no place yet.
    view->doItemsLayout();
    view->scrollTo(index);
    QWidget* viewport = view->viewport();
    const QPoint at = view->visualRect(index).center();
    if (!viewport->rect().contains(at)) return;  // no room to show the row
    const QPoint global = viewport->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(viewport, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(viewport, &release);
}

}  // namespace testhooks
