#include "worksheet/page_renderer.h"

#include <QAbstractItemModel>
#include <QBrush>
#include <QPainter>
#include <QPrinter>
#include <QTableView>

#include <algorithm>

namespace {

// The gap between a cell's border and its text, in grid pixels, as the grid leaves it on screen.
constexpr double text_margin = 3.0;
// The footer's type is 3.5 mm high whatever the band, so the page number stays readable.
constexpr double footer_text_height = 35.0;
// Lets a row that fits exactly stay on its page despite rounding of the scaled heights.
constexpr double fit_tolerance = 1e-6;

// Cell fonts are sized in screen pixels; one sized in points gets the pixels it has on screen,
// so the painter's scale makes it as large on paper as everything else.
QFont in_screen_pixels(QFont font, const QTableView& grid) {
    if (font.pixelSize() <= 0)
        font.setPixelSize(qRound(font.pointSizeF() * grid.logicalDpiY() / 72.0));
    return font;
}

QColor colour_of(const QVariant& value, const QColor& fallback) {
    if (value.canConvert<QBrush>())
        return qvariant_cast<QBrush>(value).color();
    return value.isValid() ? qvariant_cast<QColor>(value) : fallback;
}

} // namespace

PageRenderer::PageRenderer(const QTableView& grid, const PageGeometry& geometry, QSizeF paper,
                           double dots_per_tenth_mm)
    : grid_(grid), geometry_(geometry), paper_(paper), dots_(dots_per_tenth_mm),
      default_font_(in_screen_pixels(grid.font(), grid)) {
    const int columns = grid.model() ? grid.model()->columnCount() : 0;
    column_lefts_.assign(columns + 1, 0.0);
    for (int c = 0; c < columns; ++c)
        column_lefts_[c + 1] = column_lefts_[c] + grid.columnWidth(c);

    const double usable_width = std::max(1.0, paper.width() - 2.0 * geometry.side_margin * dots_);
    const double usable_height =
        std::max(1.0, paper.height() - geometry.height_around_table() * dots_);
    if (column_lefts_.back() > 0)
        scale_ = usable_width / column_lefts_.back();
    table_height_ = usable_height / scale_;
    paginate();
}

PageRenderer::PageRenderer(const QTableView& grid, const PageGeometry& geometry,
                           const QPrinter& printer)
    : PageRenderer(grid, geometry, printer.paperRect(QPrinter::DevicePixel).size(),
                   printer.resolution() / 254.0) {}

int PageRenderer::end_row(int page) const {
    if (page + 1 < page_count())
        return first_rows_[page + 1];
    return grid_.model() ? grid_.model()->rowCount() : 0;
}

void PageRenderer::paginate() {
    first_rows_.assign(1, 0);
    const int rows = grid_.model() ? grid_.model()->rowCount() : 0;
    double used = 0.0;
    for (int r = 0; r < rows; ++r) {
        const double height = grid_.rowHeight(r);
        if (r > first_rows_.back() && used + height > table_height_ + fit_tolerance) {
            first_rows_.push_back(r);
            used = 0.0;
        }
        used += height;
    }
}

double PageRenderer::rows_height(int first, int end) const {
    double height = 0.0;
    for (int r = first; r < end; ++r)
        height += grid_.rowHeight(r);
    return height;
}

void PageRenderer::render_page(QPainter& painter, int page) const {
    render_table(painter, page);
    render_footer(painter, page);
}

// A merged range met at (row, column) in a top-down, left-to-right walk. Only on the first row
// of a page can it have begun higher up, on an earlier page.
PageRenderer::Span PageRenderer::span_at(int row, int column, bool first_on_page) const {
    Span span{row, grid_.rowSpan(row, column), grid_.columnSpan(row, column)};
    if (first_on_page && span.rows > 1) {
        const QRect rect = grid_.visualRect(grid_.model()->index(row, column));
        span.first_row = std::max(0, grid_.rowAt(rect.top()));
    }
    return span;
}

void PageRenderer::render_table(QPainter& painter, int page) const {
    const int first = first_rows_[page];
    const int end = end_row(page);
    const int columns = static_cast<int>(column_lefts_.size()) - 1;
    const QAbstractItemModel* model = grid_.model();

    painter.save();
    painter.translate(geometry_.side_margin * dots_,
                      (geometry_.top_margin + geometry_.header_band + geometry_.header_gap) *
                          dots_);
    painter.scale(scale_, scale_);
    painter.setClipRect(QRectF(0, 0, column_lefts_.back(), table_height_));

    std::vector<QRectF> borders;
    std::vector<int> covered_to(columns, -1); // last row each column is covered by a merge
    double top = 0.0;
    for (int r = first; r < end; ++r) {
        const double height = grid_.rowHeight(r);
        for (int c = 0; c < columns; ++c) {
            if (covered_to[c] >= r)
                continue;
            const Span span = span_at(r, c, r == first);
            const int last_column = std::min(columns, c + span.columns);
            const double span_top = top - rows_height(span.first_row, r);
            const QRectF rect(column_lefts_[c], span_top,
                              column_lefts_[last_column] - column_lefts_[c],
                              rows_height(span.first_row, span.first_row + span.rows));
            std::fill(covered_to.begin() + c, covered_to.begin() + last_column,
                      span.first_row + span.rows - 1);
            draw_cell(painter, model->index(span.first_row, c), rect);
            borders.push_back(rect);
        }
        top += height;
    }
    painter.setPen(QPen(Qt::black, 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRects(borders.data(), static_cast<int>(borders.size()));
    painter.restore();
}

void PageRenderer::draw_cell(QPainter& painter, const QModelIndex& index,
                             const QRectF& rect) const {
    const QVariant background = index.data(Qt::BackgroundRole);
    if (background.isValid())
        painter.fillRect(rect, colour_of(background, Qt::white));

    const QString text = index.data(Qt::DisplayRole).toString();
    if (text.isEmpty())
        return;
    const QVariant font = index.data(Qt::FontRole);
    painter.setFont(font.isValid() ? in_screen_pixels(qvariant_cast<QFont>(font), grid_)
                                   : default_font_);
    painter.setPen(colour_of(index.data(Qt::ForegroundRole), Qt::black));
    const QVariant alignment = index.data(Qt::TextAlignmentRole);
    const int flags =
        alignment.isValid() ? alignment.toInt() : int(Qt::AlignLeft | Qt::AlignVCenter);
    painter.drawText(rect.adjusted(text_margin, 0, -text_margin, 0), flags, text);
}

void PageRenderer::render_footer(QPainter& painter, int page) const {
    QFont font = default_font_;
    font.setBold(true);
    font.setPixelSize(std::max(1, qRound(footer_text_height * dots_)));
    painter.save();
    painter.setFont(font);
    painter.setPen(Qt::black);
    const double band_top =
        paper_.height() - (geometry_.bottom_margin + geometry_.footer_band) * dots_;
    const QRectF band(geometry_.side_margin * dots_, band_top,
                      paper_.width() - 2.0 * geometry_.side_margin * dots_,
                      geometry_.footer_band * dots_);
    painter.drawText(band, Qt::AlignCenter | Qt::TextDontClip,
                     QStringLiteral("第 %1 页 / 共 %2 页").arg(page + 1).arg(page_count()));
    painter.restore();
}
