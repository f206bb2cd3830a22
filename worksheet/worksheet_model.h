#pragma once

#include "worksheet/cell_format.h"

#include <QAbstractTableModel>
#include <QFont>
#include <QHash>
#include <QString>

#include <map>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

// The sheet's contents: every cell's text and format, row by row, and the merged ranges. The grid
// changes it through its operations; views, printing and tests read it. The row heights and column
// widths are not here: they are the grid's header section sizes.
class WorksheetModel final : public QAbstractTableModel {
    Q_OBJECT
  public:
    WorksheetModel(int rows, int columns, const QFont& base_font);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    int row_count() const { return rows_; }
    int column_count() const { return columns_; }
    bool contains(int row, int column) const;

    // The cell must lie inside the sheet.
    const QString& text(int row, int column) const { return at(row, column).text; }
    const CellFormat& format(int row, int column) const { return at(row, column).format; }

    // What a cell shows in: the grid's font face at the cell's pixel size and style, and its
    // horizontal alignment, always vertically centred.
    QFont font(const CellFormat& format) const;
    static Qt::Alignment alignment(const CellFormat& format);

    // The range cut to the sheet, or nothing when it is empty or starts outside.
    std::optional<CellRange> cut(CellRange range) const;

    // The merged ranges in order of their first cell, and the one covering a cell if any.
    std::vector<CellRange> merges() const;
    std::optional<CellRange> merge_at(int row, int column) const;
    std::vector<CellRange> merges_meeting(CellRange area) const;

  private:
    friend class WorksheetGrid;

    struct Cell {
        QString text;
        CellFormat format;
    };

    Cell& at(int row, int column);
    const Cell& at(int row, int column) const;

    void set_text(int row, int column, const QString& text);
    // Changes the format of every cell of a range already cut to the sheet.
    template <typename Change> void change_formats(CellRange range, Change change);

    // Drops the merges the range meets and returns them; then records the range as one merge.
    std::vector<CellRange> merge(CellRange range);
    void set_row_count(int rows);
    void clear();
    void ensure_blocks(int rows);
    void empty_rows(int first, int last);
    void set_base_font(const QFont& font);

    // Inside a batch changes gather into one rectangle that is announced when the batch ends.
    void begin_batch();
    void end_batch();
    void announce(const CellRange& range, const QList<int>& roles);

    int rows_;
    int columns_;
    // Cells live in blocks of block_rows rows, so a growing sheet never moves the cells it has;
    // blocks beyond the last row stay, with empty cells, for the next growth.
    static constexpr int block_rows = 256;
    std::vector<std::unique_ptr<Cell[]>> blocks_;
    std::map<std::pair<int, int>, CellRange> merges_;
    int tallest_merge_ = 1;

    QFont base_font_;
    mutable QHash<int, QFont> fonts_;

    int batch_depth_ = 0;
    std::optional<CellRange> pending_;
};

inline WorksheetModel::Cell& WorksheetModel::at(int row, int column) {
    return blocks_[static_cast<std::size_t>(row / block_rows)]
                  [static_cast<std::size_t>((row % block_rows) * columns_ + column)];
}

inline const WorksheetModel::Cell& WorksheetModel::at(int row, int column) const {
    return blocks_[static_cast<std::size_t>(row / block_rows)]
                  [static_cast<std::size_t>((row % block_rows) * columns_ + column)];
}

template <typename Change> void WorksheetModel::change_formats(CellRange range, Change change) {
    for (int row = range.first_row; row <= range.last_row; ++row)
        for (int column = range.first_column; column <= range.last_column; ++column)
            change(at(row, column).format);
    announce(range, {});
}
