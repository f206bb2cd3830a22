#include "worksheet/grid.h"

#include "support/text.h"

#include <QEvent>
#include <QHeaderView>
#include <QPalette>

#include <climits>
#include <cmath>

namespace {

constexpr int start_rows = 32;
constexpr int columns = 9;
constexpr int default_row_height = 33;
constexpr int default_column_width = 60;
constexpr int largest_font_size = 0xFFFF;

// Whole numbers in the int range print the same in decimal as with "%.13g"; they take the quick
// road because the layout writes a hundred thousand of them.
QString number_text(double number) {
    const bool whole = number == std::trunc(number) && number >= INT_MIN && number <= INT_MAX;
    return whole ? QString::number(static_cast<int>(number)) : real_to_text(number);
}

CellAlignment alignment_of(int code) {
    switch (code) {
    case 2:
        return CellAlignment::centred;
    case 3:
        return CellAlignment::right;
    default:
        return CellAlignment::left;
    }
}

void set_up_header(QHeaderView* header, int section_size) {
    header->setMinimumSectionSize(0);
    header->setDefaultSectionSize(section_size);
    header->setSectionResizeMode(QHeaderView::Interactive);
    header->hide();
}

} // namespace

WorksheetGrid::WorksheetGrid(QWidget* parent)
    : QTableView(parent), model_(std::make_unique<WorksheetModel>(start_rows, columns, font())) {
    set_up_header(horizontalHeader(), default_column_width);
    set_up_header(verticalHeader(), default_row_height);
    setModel(model_.get());
    setShowGrid(true);
    setGridStyle(Qt::SolidLine);
    // "序号" at 18 px only just fits its 40-px column: keep it on one line and show what fits,
    // rather than wrapping it and cutting it down to "序…".
    setWordWrap(false);
    setTextElideMode(Qt::ElideNone);
    // The grid line colour is a style hint; a style sheet pins it whatever style paints the
    // window.
    setStyleSheet(QStringLiteral("QTableView { gridline-color: black; }"));
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

// The view lets go of the model before the model goes.
WorksheetGrid::~WorksheetGrid() {
    setModel(nullptr);
}

void WorksheetGrid::set_cell_text(int row, int column, const QString& text) {
    if (model_->contains(row, column))
        model_->set_text(row, column, text);
}

void WorksheetGrid::set_cell_number(int row, int column, double number) {
    if (model_->contains(row, column))
        model_->set_text(row, column, number_text(number));
}

QString WorksheetGrid::get_cell_text(int row, int column) const {
    return model_->contains(row, column) ? model_->text(row, column) : QString();
}

void WorksheetGrid::set_font_size(CellRange range, int size) {
    const std::optional<CellRange> cells = model_->cut(range);
    if (cells && size >= 1 && size <= largest_font_size)
        model_->change_formats(*cells, [size](CellFormat& format) { format.font_size = size; });
}

void WorksheetGrid::set_font_style(CellRange range, int code) {
    const std::optional<CellRange> cells = model_->cut(range);
    if (cells && code >= 0 && code <= 15)
        model_->change_formats(*cells, [code](CellFormat& format) {
            format.font_style = static_cast<std::uint8_t>(code);
        });
}

void WorksheetGrid::set_alignment(CellRange range, int code) {
    const std::optional<CellRange> cells = model_->cut(range);
    const CellAlignment alignment = alignment_of(code);
    if (cells)
        model_->change_formats(*cells,
                               [alignment](CellFormat& format) { format.alignment = alignment; });
}

void WorksheetGrid::set_text_colour(CellRange range, BgrColour colour) {
    const std::optional<CellRange> cells = model_->cut(range);
    if (cells)
        model_->change_formats(*cells,
                               [colour](CellFormat& format) { format.text_colour = colour; });
}

void WorksheetGrid::set_back_colour(CellRange range, BgrColour colour) {
    const std::optional<CellRange> cells = model_->cut(range);
    if (cells)
        model_->change_formats(*cells,
                               [colour](CellFormat& format) { format.back_colour = colour; });
}

void WorksheetGrid::set_read_only(CellRange range, bool read_only) {
    const std::optional<CellRange> cells = model_->cut(range);
    if (cells)
        model_->change_formats(*cells,
                               [read_only](CellFormat& format) { format.read_only = read_only; });
}

// A new merge replaces every merge it meets, so spans never overlap. Inside a batch the view's
// spans are put up when the batch ends: rows added meanwhile then find no spans to move.
void WorksheetGrid::merge_cells(CellRange range) {
    const std::optional<CellRange> cells = model_->cut(range);
    if (!cells ||
        (cells->first_row == cells->last_row && cells->first_column == cells->last_column))
        return;
    const std::vector<CellRange> replaced = model_->merge(*cells);
    if (in_batch()) {
        spans_pending_ = true;
        return;
    }
    for (const CellRange& old : replaced)
        hide_merge(old);
    show_merge(*cells);
}

void WorksheetGrid::set_row_height(int row, int pixels) {
    if (row >= 0 && row < row_count() && pixels >= 0)
        verticalHeader()->resizeSection(row, pixels);
}

void WorksheetGrid::set_column_width(int column, int pixels) {
    if (column >= 0 && column < column_count() && pixels >= 0)
        horizontalHeader()->resizeSection(column, pixels);
}

int WorksheetGrid::row_count() const {
    return model_->row_count();
}

// A merge that reaches past the new last row is cut there. Its span is taken down before the
// rows go and put up again cut, so the view never has to guess how to shrink it.
void WorksheetGrid::set_row_count(int rows) {
    if (rows < 1 || rows == row_count())
        return;
    if (rows > row_count()) {
        model_->set_row_count(rows);
        return;
    }
    if (in_batch()) {
        spans_pending_ = true;
        model_->set_row_count(rows);
        return;
    }
    std::vector<CellRange> crossing;
    for (const CellRange& merge : model_->merges_meeting({rows, 0, INT_MAX, INT_MAX}))
        if (merge.first_row < rows)
            crossing.push_back(merge);
    for (const CellRange& merge : crossing)
        hide_merge(merge);
    model_->set_row_count(rows);
    for (const CellRange& merge : crossing)
        if (const std::optional<CellRange> kept =
                model_->merge_at(merge.first_row, merge.first_column))
            show_merge(*kept);
}

int WorksheetGrid::column_count() const {
    return model_->column_count();
}

// Setting a header's default size also brings every section back to it.
void WorksheetGrid::reset_grid() {
    model_->clear();
    clearSpans();
    verticalHeader()->setDefaultSectionSize(default_row_height);
    horizontalHeader()->setDefaultSectionSize(default_column_width);
}

const WorksheetModel& WorksheetGrid::sheet() const {
    return *model_;
}

void WorksheetGrid::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange)
        model_->set_base_font(font());
    QTableView::changeEvent(event);
}

void WorksheetGrid::show_merge(const CellRange& range) {
    setSpan(range.first_row, range.first_column, range.last_row - range.first_row + 1,
            range.last_column - range.first_column + 1);
}

// A one-cell span on a span's first cell is how the view takes a span down.
void WorksheetGrid::hide_merge(const CellRange& range) {
    setSpan(range.first_row, range.first_column, 1, 1);
}

// Painting waits for the batch as well: a shown header otherwise works out where every resized
// section lies on screen.
void WorksheetGrid::begin_batch() {
    if (!in_batch()) {
        updates_before_batch_ = updatesEnabled();
        setUpdatesEnabled(false);
    }
    model_->begin_batch();
}

void WorksheetGrid::end_batch() {
    model_->end_batch();
    if (in_batch())
        return;
    if (spans_pending_) {
        clearSpans();
        for (const CellRange& merge : model_->merges())
            show_merge(merge);
        spans_pending_ = false;
    }
    setUpdatesEnabled(updates_before_batch_);
}

bool WorksheetGrid::in_batch() const {
    return model_->batch_depth_ > 0;
}

GridBatch::GridBatch(WorksheetGrid& grid) : grid_(grid) {
    grid_.begin_batch();
}

GridBatch::~GridBatch() {
    grid_.end_batch();
}
