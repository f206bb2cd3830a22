// Times printing a 9,000-question sheet to a PDF file and opening its preview, then prints the
// 100000-question sheet and reports the memory of the process. Run by hand (see bench/README.md).

#include "worksheet/grid.h"
#include "worksheet/layout.h"
#include "worksheet/print_preview.h"
#include "worksheet/printing.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QPageSize>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

double peak_mb() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return double(usage.ru_maxrss) / 1024.0;
}

// A generated and answered sheet: every question cell holds a question, every answer its value
// in blue, and every tenth answer is marked wrong.
void fill_sheet(WorksheetGrid& grid, int count) {
    lay_out_worksheet(grid, count);
    GridBatch batch(grid);
    for (int k = 1; k <= count; ++k) {
        const int j = (k - 1) % questions_per_page;
        const int row = (k - 1) / questions_per_page * page_rows + j / 3 + 2;
        const int column = 3 * (j % 3) + 1;
        grid.set_cell_text(row, column, QStringLiteral("%1+%2=").arg(k % 11).arg(k % 9));
        grid.set_font_size(CellRange::cell(row, column), 18);
        grid.set_text_colour(CellRange::cell(row, column + 1), 0xFF0000);
        grid.set_cell_number(row, column + 1, k % 11 + k % 9);
        if (k % 10 == 0)
            grid.set_back_colour(CellRange::cell(row, column + 1), 255);
    }
}

// Milliseconds of one print of the grid to a PDF file on A4, and its page count.
double print_ms(WorksheetGrid& grid, const QString& path) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setPageSize(QPageSize(QPageSize::A4));
    QElapsedTimer timer;
    timer.start();
    if (print_job(grid, printer) != PrintOutcome::printed)
        std::exit(1);
    return double(timer.nsecsElapsed()) / 1e6;
}

// Milliseconds from the preview's creation until it is drawn on screen with its first page.
double preview_ms(WorksheetGrid& grid, int* pages) {
    QElapsedTimer timer;
    timer.start();
    PrintPreviewWindow window(grid);
    window.printer().setPageSize(QPageSize(QPageSize::A4));
    window.refresh();
    window.show();
    QApplication::processEvents();
    const double ms = double(timer.nsecsElapsed()) / 1e6;
    *pages = window.pages().pageCount();
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 5;
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("sheet.pdf"));

    WorksheetGrid grid;
    grid.resize(744, 528);
    grid.show();
    fill_sheet(grid, 9000);
    std::vector<double> printing;
    std::vector<double> previewing;
    int pages = 0;
    for (int run = 0; run < runs; ++run) {
        printing.push_back(print_ms(grid, pdf));
        previewing.push_back(preview_ms(grid, &pages));
    }
    std::printf("9000 questions, %d pages: print to PDF %.0f ms (best %.0f), preview open %.0f ms "
                "(best %.0f)\n",
                pages, median(printing), *std::min_element(printing.begin(), printing.end()),
                median(previewing), *std::min_element(previewing.begin(), previewing.end()));
    std::printf("peak memory so far %.1f MB\n", peak_mb());

    fill_sheet(grid, 100000);
    const double big = print_ms(grid, pdf);
    std::printf("100000 questions: print to PDF %.0f ms, PDF %.1f MB, peak memory %.1f MB\n", big,
                double(QFileInfo(pdf).size()) / 1048576.0, peak_mb());
    const double big_preview = preview_ms(grid, &pages);
    std::printf("100000 questions, %d pages: preview open %.0f ms, peak memory %.1f MB\n", pages,
                big_preview, peak_mb());
    return 0;
}
