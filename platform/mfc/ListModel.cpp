#include "mfc/ListModel.h"

#include "mfc/AfxWin.h"
#include "win32/Window.h"

namespace {

Qt::Alignment AlignmentOf(int format)
{
    switch (format & 3) {
    case LVCFMT_CENTER: return Qt::AlignCenter;
    case LVCFMT_RIGHT: return Qt::AlignRight | Qt::AlignVCenter;
    default: return Qt::AlignLeft | Qt::AlignVCenter;
    }
}

}  // namespace

void ListModel::InsertColumn(int column, const char* heading, int format)
{
    if (column < 0 || column > Columns()) return;
    beginInsertColumns(QModelIndex(), column, column);
    m_columns.insert(m_columns.begin() + column,
                     Column{win32::FromCp949(heading ? heading : ""), AlignmentOf(format)});
    for (Row& cells : m_rows) cells.insert(cells.begin() + column, std::string());
    endInsertColumns();
}

bool ListModel::InsertRow(int row)
{
    if (row < 0 || row > Rows()) return false;
    beginInsertRows(QModelIndex(), row, row);
    m_rows.insert(m_rows.begin() + row, Row(m_columns.size()));
    endInsertRows();
    return true;
}

bool ListModel::RemoveRow(int row)
{
    if (row < 0 || row >= Rows()) return false;
    beginRemoveRows(QModelIndex(), row, row);
    m_rows.erase(m_rows.begin() + row);
    endRemoveRows();
    return true;
}

void ListModel::RemoveAllRows()
{
    if (m_rows.empty()) return;
    beginRemoveRows(QModelIndex(), 0, Rows() - 1);
    // Gives the memory back too: a loaded stage may have held many rows.
    std::vector<Row>().swap(m_rows);
    endRemoveRows();
}

bool ListModel::SetCell(int row, int column, const char* text)
{
    if (!HasCell(row, column)) return false;
    m_rows[row][column] = text ? text : "";
    const QModelIndex cell = index(row, column);
    emit dataChanged(cell, cell);
    return true;
}

const std::string& ListModel::Cell(int row, int column) const
{
    static const std::string empty;
    return HasCell(row, column) ? m_rows[row][column] : empty;
}

int ListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Rows();
}

int ListModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : Columns();
}

QVariant ListModel::data(const QModelIndex& index, int role) const
{
    if (!HasCell(index.row(), index.column())) return QVariant();
    if (role == Qt::DisplayRole) {
        const std::string& text = m_rows[index.row()][index.column()];
        return win32::FromCp949(text.data(), static_cast<int>(text.size()));
    }
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(m_columns[index.column()].alignment);
    return QVariant();
}

QVariant ListModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= Columns()) return QVariant();
    if (role == Qt::DisplayRole) return m_columns[section].heading;
    if (role == Qt::TextAlignmentRole) return static_cast<int>(m_columns[section].alignment);
    return QVariant();
}

Qt::ItemFlags ListModel::flags(const QModelIndex& index) const
{
    return index.isValid() ? Qt::ItemIsSelectable | Qt::ItemIsEnabled : Qt::NoItemFlags;
}
