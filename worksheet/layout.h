#pragma once

class WorksheetGrid;

// The worksheet's pages: 32 grid rows each, a merged title row, a heading row and 30 rows of
// three numbered questions, 90 a page. Question k (from 1) lies on page (k - 1) / 90, in grid row
// 32 * page + (k - 1) % 90 / 3 + 2, with its number, question and answer in columns 3g, 3g + 1
// and 3g + 2 for g = (k - 1) % 3.
inline constexpr int page_rows = 32;
inline constexpr int questions_per_page = 90;
inline constexpr int question_rows_per_page = 30;

// Empties the grid and lays out as many pages as count questions need, at least one: titles,
// headings, column widths and the numbers, with the question and answer cells left empty.
void lay_out_worksheet(WorksheetGrid& grid, int count);

// The title row and the heading row of the page that begins at first_row.
void write_page_heading(WorksheetGrid& grid, int first_row);
