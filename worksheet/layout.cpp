#include "worksheet/layout.h"

#include "worksheet/grid.h"

namespace {

constexpr BgrColour white = 0xFFFFFF;
constexpr int centred = 2;
constexpr int bold = 1;
constexpr int title_font_size = 26;
constexpr int body_font_size = 18;
constexpr int title_row_height = 40;

// Number, question and answer columns of each of the three groups.
constexpr int group_widths[3] = {40, 150, 50};

void place_number(WorksheetGrid& grid, int row, int column, long long number) {
    const CellRange cell = CellRange::cell(row, column);
    grid.set_cell_number(row, column, static_cast<double>(number));
    grid.set_font_size(cell, body_font_size);
    grid.set_read_only(cell, true);
    grid.set_alignment(cell, centred);
    grid.set_cell_text(row, column + 1, QString());
    grid.set_cell_text(row, column + 2, QString());
}

// The numbers of page p, row after row, three to a row, while questions remain.
void place_page_numbers(WorksheetGrid& grid, int page, long long remaining) {
    const long long page_start = static_cast<long long>(page) * question_rows_per_page;
    for (int i = 1; i <= question_rows_per_page; ++i) {
        const int row = page * page_rows + i + 1;
        if (3LL * (i - 1) + 1 > remaining)
            return;
        place_number(grid, row, 0, 3 * (i - 1 + page_start) + 1);
        if (3LL * i - 1 > remaining)
            return;
        place_number(grid, row, 3, 3 * (i + page_start) - 1);
        if (3LL * i > remaining)
            return;
        place_number(grid, row, 6, 3 * (i + page_start));
    }
}

} // namespace

void lay_out_worksheet(WorksheetGrid& grid, int count) {
    GridBatch batch(grid);
    grid.set_row_count(page_rows);
    grid.reset_grid();
    grid.set_back_colour({0, 0, page_rows, 8}, white);
    long long remaining = count;
    int page = 0;
    do {
        grid.set_row_count((page + 1) * page_rows);
        write_page_heading(grid, page * page_rows);
        place_page_numbers(grid, page, remaining);
        remaining -= questions_per_page;
        ++page;
    } while (remaining > 0);
}

void write_page_heading(WorksheetGrid& grid, int first_row) {
    const CellRange title = CellRange::cell(first_row, 0);
    grid.merge_cells({first_row, 0, first_row, 8});
    grid.set_cell_text(first_row, 0, QStringLiteral("小学数学题题库"));
    grid.set_alignment(title, centred);
    grid.set_font_style(title, bold);
    grid.set_font_size(title, title_font_size);
    grid.set_row_height(first_row, title_row_height);
    grid.set_read_only(title, true);
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 3; ++k)
            grid.set_column_width(3 * g + k, group_widths[k]);
    const QString headings[3] = {QStringLiteral("序号"), QStringLiteral("题目"),
                                 QStringLiteral("答案")};
    for (int g = 0; g < 3; ++g)
        for (int k = 0; k < 3; ++k)
            grid.set_cell_text(first_row + 1, 3 * g + k, headings[k]);
    const CellRange heading_row = {first_row + 1, 0, first_row + 1, 8};
    grid.set_font_size(heading_row, body_font_size);
    grid.set_alignment(heading_row, centred);
    grid.set_read_only(heading_row, true);
}
