#include "worksheet/printing.h"

#include "support/message_box.h"
#include "worksheet/printing_progress.h"

#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableView>

#include <utility>

Q_DECLARE_METATYPE(PageGeometry)

namespace {

const char* const geometry_property = "morvane_page_geometry";
const QString failure_text = QStringLiteral("打印时出错，打印未完成。");

PrintDialogHook& dialog_hook() {
    static PrintDialogHook hook;
    return hook;
}

PrintOutcome stop_job(QPrinter& printer, QPainter& painter, PrintOutcome outcome) {
    printer.abort();
    painter.end();
    if (outcome == PrintOutcome::failed)
        show_message(failure_text);
    return outcome;
}

} // namespace

void set_print_dialog_hook(PrintDialogHook hook) {
    dialog_hook() = std::move(hook);
}

bool run_print_dialog(QDialog& dialog) {
    if (dialog_hook())
        return dialog_hook()(dialog);
    return dialog.exec() == QDialog::Accepted;
}

PageGeometry grid_page_geometry(const QTableView& grid) {
    const QVariant stored = grid.property(geometry_property);
    return stored.isValid() ? stored.value<PageGeometry>() : PageGeometry{};
}

void set_grid_page_geometry(QTableView& grid, const PageGeometry& geometry) {
    grid.setProperty(geometry_property, QVariant::fromValue(geometry));
}

void restrict_print_dialog(QPrintDialog& dialog) {
    dialog.setOption(QAbstractPrintDialog::PrintToFile, false);
    dialog.setOption(QAbstractPrintDialog::PrintSelection, false);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    dialog.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
    dialog.setOption(QAbstractPrintDialog::PrintCollateCopies, true);
    dialog.setOption(QAbstractPrintDialog::PrintShowPageSize, true);
}

void print_grid(const QTableView& grid) {
    QPrinter printer(QPrinter::HighResolution);
    print_grid_on(grid, printer);
}

void print_grid_on(const QTableView& grid, QPrinter& printer) {
    printer.setPrintRange(QPrinter::AllPages);
    QPrintDialog dialog(&printer, grid.window());
    restrict_print_dialog(dialog);
    if (!run_print_dialog(dialog))
        return;
    print_job(grid, printer);
}

PrintOutcome print_job(const QTableView& grid, QPrinter& printer) {
    printer.setDocName(print_job_name);
    printer.setFullPage(true);
    const PageRenderer pages(grid, grid_page_geometry(grid), printer);
    QPainter painter;
    if (!printer.isValid() || !painter.begin(&printer)) {
        show_message(QStringLiteral("没有可用的打印机，无法打印。"));
        return PrintOutcome::no_printer;
    }
    PageProgress progress(QStringLiteral("打印"), pages.page_count(), grid.window());
    for (int page = 0; page < pages.page_count(); ++page) {
        if (page > 0 && !printer.newPage())
            return stop_job(printer, painter, PrintOutcome::cancelled);
        pages.render_page(painter, page);
        if (printer.printerState() == QPrinter::Error)
            return stop_job(printer, painter, PrintOutcome::failed);
        if (progress.done(page + 1))
            return stop_job(printer, painter, PrintOutcome::cancelled);
    }
    if (!painter.end()) {
        show_message(failure_text);
        return PrintOutcome::failed;
    }
    return PrintOutcome::printed;
}
