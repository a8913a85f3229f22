#include "mfc/ListView.h"

#include <QHeaderView>
#include <QItemSelectionModel>

#include <algorithm>

#include "mfc/AfxRes.h"

ListView::ListView(unsigned style, QWidget* parent)
    : QTableView(parent), m_cells(new ListModel(this))
{
    setModel(m_cells);

    // A Windows list has no row headings; every row is one line of the font.
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setStretchLastSection(false);

    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode((style & AFX_CS_SINGLESEL) ? QAbstractItemView::SingleSelection
                                                 : QAbstractItemView::ExtendedSelection);
    setShowGrid(false);
    setWordWrap(false);
    setTabKeyNavigation(false);

    // Without "show selection always" the selection disappears with the focus.
    QPalette colours = palette();
    for (QPalette::ColorRole role : {QPalette::Highlight, QPalette::HighlightedText}) {
        QPalette::ColorRole shown = role;
        if (!(style & AFX_CS_SHOWSELALWAYS))
            shown = role == QPalette::Highlight ? QPalette::Base : QPalette::Text;
        colours.setColor(QPalette::Inactive, role, colours.color(QPalette::Active, shown));
    }
    setPalette(colours);
}

int ListView::InsertColumn(int column, const char* heading, int format, int width)
{
    if (column < 0) return -1;
    column = std::min(column, m_cells->Columns());
    m_cells->InsertColumn(column, heading, format);
    if (width == 0)
        setColumnHidden(column, true);
    else if (width > 0)
        setColumnWidth(column, width);
    return column;
}

std::vector<int> ListView::SelectedRows() const
{
    std::vector<int> rows;
    for (const QItemSelectionRange& range : selectionModel()->selection()) {
        for (int row = range.top(); row <= range.bottom(); ++row) rows.push_back(row);
    }
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    return rows;
}

QModelIndex ListView::moveCursor(CursorAction action, Qt::KeyboardModifiers modifiers)
{
    // In a report list Home and End go to the first and the last row; a
    // table view would move between the columns of the current row.
    if ((action == MoveHome || action == MoveEnd) && m_cells->rowCount() > 0) {
        int row = action == MoveHome ? 0 : m_cells->rowCount() - 1;
        int column = std::max(currentIndex().column(), 0);
        return m_cells->index(row, column);
    }
    return QTableView::moveCursor(action, modifiers);
}

void ListView::rowsAboutToBeRemoved(const QModelIndex& parent, int start, int end)
{
    // Qt would select the next row in place of a removed current one; a
    // Windows list leaves nothing selected.
    QModelIndex current = currentIndex();
    if (current.isValid() && current.row() >= start && current.row() <= end)
        selectionModel()->setCurrentIndex(QModelIndex(), QItemSelectionModel::NoUpdate);
    QTableView::rowsAboutToBeRemoved(parent, start, end);
}
