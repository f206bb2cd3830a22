#pragma once

#include <QFont>
#include <QSizeF>

#include <vector>

class QModelIndex;
class QPainter;
class QPrinter;
class QRectF;
class QTableView;

// The bands of a printed page, in tenths of a millimetre, from the top of the paper down:
// margin, header band (empty), gap, the table, gap, footer band, margin. Left and right share
// one margin.
struct PageGeometry {
    static constexpr int max_value = 999;

    int top_margin = 20;
    int header_band = 60;
    int header_gap = 20;
    int footer_gap = 20;
    int footer_band = 60;
    int bottom_margin = 20;
    int side_margin = 40;

    int height_around_table() const {
        return top_margin + header_band + header_gap + footer_gap + footer_band + bottom_margin;
    }
    friend bool operator==(const PageGeometry&, const PageGeometry&) = default;
};

// Cuts the grid into printed pages and paints one page at a time. The columns are scaled
// together to the width inside the side margins and the heights by the same factor; a page
// takes the whole rows that fit. Pagination is arithmetic over the row heights, so a sheet of
// any length costs one pass and a few bytes a page before the first page is drawn.
class PageRenderer {
  public:
    // paper: the sheet in device pixels; dots_per_tenth_mm: the device's resolution.
    PageRenderer(const QTableView& grid, const PageGeometry& geometry, QSizeF paper,
                 double dots_per_tenth_mm);
    // The paper and resolution of a printer that prints on the full page.
    PageRenderer(const QTableView& grid, const PageGeometry& geometry, const QPrinter& printer);

    int page_count() const { return static_cast<int>(first_rows_.size()); }
    int first_row(int page) const { return first_rows_[page]; }
    int end_row(int page) const;
    // Device pixels per grid pixel.
    double scale() const { return scale_; }

    // Paints page (counted from 0) with its footer onto a painter on the paper.
    void render_page(QPainter& painter, int page) const;

  private:
    struct Span {
        int first_row;
        int rows;
        int columns;
    };

    void paginate();
    void render_table(QPainter& painter, int page) const;
    void render_footer(QPainter& painter, int page) const;
    Span span_at(int row, int column, bool first_on_page) const;
    double rows_height(int first, int end) const;
    void draw_cell(QPainter& painter, const QModelIndex& index, const QRectF& rect) const;

    const QTableView& grid_;
    PageGeometry geometry_;
    QSizeF paper_;
    double dots_;
    double scale_ = 1.0;
    double table_height_ = 0.0; // in grid pixels
    std::vector<double> column_lefts_;
    std::vector<int> first_rows_;
    QFont default_font_;
};
