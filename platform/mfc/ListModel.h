// The cells of a list control: one table of rows, each row a text per
// column as the program wrote it (code page 949 bytes), so that a cell reads
// back exactly and without any conversion. Qt text is made only for what the
// view shows. The event list may hold tens of thousands of rows that the
// program renumbers cell by cell, so a cell costs no more than its string
// (short texts stay inside it) and a write tells the view of that cell only.
#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <string>
#include <vector>

class ListModel : public QAbstractTableModel {
public:
    using QAbstractTableModel::QAbstractTableModel;

    int Rows() const { return static_cast<int>(m_rows.size()); }
    int Columns() const { return static_cast<int>(m_columns.size()); }

    // Inserts a column at column (0 to Columns()) with its heading and
    // alignment (LVCFMT_); every row gets an empty cell in it.
    void InsertColumn(int column, const char* heading, int format);
    // Inserts a row of empty cells at row (0 to Rows()); false if out of range.
    bool InsertRow(int row);
    bool RemoveRow(int row);
    void RemoveAllRows();
    // False if there is no such cell.
    bool SetCell(int row, int column, const char* text);
    // The cell's bytes; empty for a cell never written or no such cell.
    const std::string& Cell(int row, int column) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Column {
        QString heading;
        Qt::Alignment alignment;
    };
    using Row = std::vector<std::string>;

    bool HasCell(int row, int column) const
    {
        return row >= 0 && row < Rows() && column >= 0 && column < Columns();
    }

    std::vector<Column> m_columns;
    std::vector<Row> m_rows;
};
