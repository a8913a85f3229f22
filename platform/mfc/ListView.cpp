#include "mfc/ListView.h"

void ListView::InsertRowCells(int row)
{
    if (row < 0 || row > static_cast<int>(m_cells.size())) return;
    m_cells.insert(m_cells.begin() + row, std::vector<std::string>());
}

void ListView::RemoveRowCells(int row)
{
    if (row < 0 || row >= static_cast<int>(m_cells.size())) return;
    m_cells.erase(m_cells.begin() + row);
}

void ListView::ClearCells()
{
    m_cells.clear();
}

void ListView::SetCellBytes(int row, int column, const char* text)
{
    if (row < 0 || row >= static_cast<int>(m_cells.size()) || column < 0) return;
    std::vector<std::string>& cells = m_cells[row];
    if (column >= static_cast<int>(cells.size())) cells.resize(column + 1);
    cells[column] = text ? text : "";
}

const std::string& ListView::CellBytes(int row, int column) const
{
    static const std::string empty;
    if (row < 0 || row >= static_cast<int>(m_cells.size()) || column < 0) return empty;
    const std::vector<std::string>& cells = m_cells[row];
    return column < static_cast<int>(cells.size()) ? cells[column] : empty;
}
