#pragma once

#include "worksheet/page_renderer.h"

#include <QString>

#include <functional>

class QDialog;
class QPrintDialog;
class QPrinter;
class QTableView;

// A print job is named after the main window's caption.
inline const QString print_job_name = QStringLiteral("Morvane1.3");

// Every modal dialog of printing runs through here: the print dialog, the preview window and
// the preview's own dialogs. While a hook is set it receives the dialog instead of exec() and
// answers whether the dialog was accepted, so a test can answer it and return at once.
using PrintDialogHook = std::function<bool(QDialog& dialog)>;
void set_print_dialog_hook(PrintDialogHook hook);
bool run_print_dialog(QDialog& dialog);

// The page geometry a grid prints with. Every grid starts from the defaults; what the preview
// sets stays with the grid for as long as it lives.
PageGeometry grid_page_geometry(const QTableView& grid);
void set_grid_page_geometry(QTableView& grid, const PageGeometry& geometry);

// Prints the whole grid: the system's print dialog, then one job. Cancel prints nothing.
void print_grid(const QTableView& grid);
// The same on a printer chosen earlier (the preview's): its print dialog, then the job.
void print_grid_on(const QTableView& grid, QPrinter& printer);

enum class PrintOutcome { printed, cancelled, no_printer, failed };

// One job on a printer already chosen, without a dialog. No printer to be had, or a failure
// while the pages are produced, is reported in a message; a page the printer refuses, or
// Cancel in the progress dialog, stops the job without one.
PrintOutcome print_job(const QTableView& grid, QPrinter& printer);

// The print dialog with the choices a sheet allows: no page range, no selection, no file.
void restrict_print_dialog(QPrintDialog& dialog);
