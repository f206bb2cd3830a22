#pragma once

#include "worksheet/cell_format.h"
#include "worksheet/worksheet_model.h"

#include <QString>
#include <QTableView>

#include <memory>

// The worksheet grid. The rest of the program touches the sheet only through these operations.
// A range is cut to the grid; an empty range, or one whose first cell lies outside, does nothing.
class WorksheetGrid : public QTableView {
    Q_OBJECT
  public:
    explicit WorksheetGrid(QWidget* parent = nullptr);
    ~WorksheetGrid() override;

    void set_cell_text(int row, int column, const QString& text);
    void set_cell_number(int row, int column, double number);
    QString get_cell_text(int row, int column) const;

    // Pixels, 1 to 65535; other sizes change nothing.
    void set_font_size(CellRange range, int size);
    // 1 bold, 2 italic, 4 underline, 8 strike-out, summed; outside 0..15 nothing changes.
    void set_font_style(CellRange range, int code);
    // 2 centred, 3 right, anything else left; always vertically centred.
    void set_alignment(CellRange range, int code);
    void set_text_colour(CellRange range, BgrColour colour);
    void set_back_colour(CellRange range, BgrColour colour);
    void set_read_only(CellRange range, bool read_only);
    void merge_cells(CellRange range);

    // Exact sizes, 0 included; a negative size or a row or column outside changes nothing.
    void set_row_height(int row, int pixels);
    void set_column_width(int column, int pixels);

    int row_count() const;
    // Rows beyond the count go; new rows are empty with the default height; below 1 is ignored.
    void set_row_count(int rows);
    int column_count() const;

    // Every cell empty with the default format, no merges, default sizes; counts unchanged.
    void reset_grid();

    // Texts, formats and merges; the sizes are the headers' section sizes (rowHeight,
    // columnWidth).
    const WorksheetModel& sheet() const;

  protected:
    void changeEvent(QEvent* event) override;

  private:
    void show_merge(const CellRange& range);
    void hide_merge(const CellRange& range);
    void begin_batch();
    void end_batch();
    bool in_batch() const;

    friend class GridBatch;
    std::unique_ptr<WorksheetModel> model_;
    bool updates_before_batch_ = true;
    bool spans_pending_ = false;
};

// Bulk work (layout, fill, answering) runs inside a batch: the grid announces its changes once,
// when the batch ends, instead of once per cell, and paints again then. Row counts and section
// sizes reach the view at once; the view's spans catch up at the end (sheet().merges() is always
// current).
class GridBatch {
  public:
    explicit GridBatch(WorksheetGrid& grid);
    ~GridBatch();
    GridBatch(const GridBatch&) = delete;
    GridBatch& operator=(const GridBatch&) = delete;

  private:
    WorksheetGrid& grid_;
};
