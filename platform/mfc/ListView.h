// The widget behind a list control in report view: a table view over the
// list's cells (ListModel), with a Windows list's looks and selection. Rows
// have one fixed height, so that the view never measures them: the event
// list may hold tens of thousands.
#pragma once

#include <QTableView>

#include <vector>

#include "mfc/ListModel.h"

class ListView : public QTableView {
public:
    // style: the template's AFX_CS_ flags.
    ListView(unsigned style, QWidget* parent);

    ListModel& Cells() { return *m_cells; }
    const ListModel& Cells() const { return *m_cells; }

    // Inserts a column at column (past the end: appended) with its width in
    // pixels (0: present but not shown, below 0: the default). Returns its
    // index, or -1.
    int InsertColumn(int column, const char* heading, int format, int width);

    void SetFullRowSelect(bool on) { m_fullRowSelect = on; }
    bool FullRowSelect() const { return m_fullRowSelect; }

    // The selected rows, in order.
    std::vector<int> SelectedRows() const;

protected:
    QModelIndex moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers) override;
    void rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end) override;

private:
    ListModel* m_cells;  // a child of the view
    bool m_fullRowSelect = false;
};
