// The widget behind a list control: a table that shows the rows, with the
// cells' texts kept beside it as the program wrote them (code page 949
// bytes), so that a cell reads back exactly and without any conversion. The
// preview reads every character cell on every frame.
#pragma once

#include <QTableWidget>

#include <string>
#include <vector>

class ListView : public QTableWidget {
public:
    ListView(int rows, int columns, QWidget* parent) : QTableWidget(rows, columns, parent) {}

    void InsertRowCells(int row);
    void RemoveRowCells(int row);
    void ClearCells();
    void SetCellBytes(int row, int column, const char* text);
    // The cell's bytes; empty for a cell never written.
    const std::string& CellBytes(int row, int column) const;

private:
    std::vector<std::vector<std::string>> m_cells;
};
