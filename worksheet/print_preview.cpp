#include "worksheet/print_preview.h"

#include "worksheet/print_margins_dialog.h"
#include "worksheet/printing.h"
#include "worksheet/printing_progress.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

namespace {

constexpr double zoom_step = 1.25;

} // namespace

PrintPreviewWindow::PrintPreviewWindow(QTableView& grid, QWidget* parent)
    : QDialog(parent), grid_(grid), printer_(std::make_unique<QPrinter>(QPrinter::HighResolution)) {
    setObjectName(QStringLiteral("窗口_打印预览"));
    setWindowTitle(QStringLiteral("打印预览"));
    setWindowFlag(Qt::WindowMaximizeButtonHint);
    setWindowState(Qt::WindowMaximized);
    setModal(true);
    printer_->setDocName(print_job_name);
    printer_->setFullPage(true);

    auto* bar = new QHBoxLayout;
    按钮_打印 = add_button(QStringLiteral("打印"), QStringLiteral("按钮_打印"));
    按钮_页边距 = add_button(QStringLiteral("页边距"), QStringLiteral("按钮_页边距"));
    按钮_打印设置 = add_button(QStringLiteral("打印设置"), QStringLiteral("按钮_打印设置"));
    按钮_上页 = add_button(QStringLiteral("上页"), QStringLiteral("按钮_上页"));
    按钮_下页 = add_button(QStringLiteral("下页"), QStringLiteral("按钮_下页"));
    按钮_到指定页 = add_button(QStringLiteral("到指定页"), QStringLiteral("按钮_到指定页"));
    按钮_放大 = add_button(QStringLiteral("放大"), QStringLiteral("按钮_放大"));
    按钮_缩小 = add_button(QStringLiteral("缩小"), QStringLiteral("按钮_缩小"));
    按钮_等宽 = add_button(QStringLiteral("等宽"), QStringLiteral("按钮_等宽"));
    按钮_等高 = add_button(QStringLiteral("等高"), QStringLiteral("按钮_等高"));
    按钮_退出 = add_button(QStringLiteral("退出"), QStringLiteral("按钮_退出"));
    for (QPushButton* button : findChildren<QPushButton*>(Qt::FindDirectChildrenOnly))
        bar->addWidget(button);
    标签_页码 = new QLabel(this);
    标签_页码->setObjectName(QStringLiteral("标签_页码"));
    bar->addSpacing(16);
    bar->addWidget(标签_页码);
    bar->addStretch();

    预览_ = new QPrintPreviewWidget(printer_.get(), this);
    预览_->setObjectName(QStringLiteral("预览_页面"));
    预览_->setViewMode(QPrintPreviewWidget::SinglePageView);
    预览_->fitInView();

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(预览_, 1);

    connect(预览_, &QPrintPreviewWidget::paintRequested, this, &PrintPreviewWindow::render);
    connect(预览_, &QPrintPreviewWidget::previewChanged, this,
            &PrintPreviewWindow::update_page_controls);
    connect(按钮_打印, &QPushButton::clicked, this, [this] {
        print_requested_ = true;
        accept();
    });
    connect(按钮_页边距, &QPushButton::clicked, this, &PrintPreviewWindow::edit_margins);
    connect(按钮_打印设置, &QPushButton::clicked, this, &PrintPreviewWindow::choose_printer);
    connect(按钮_上页, &QPushButton::clicked, this,
            [this] { show_page(预览_->currentPage() - 1); });
    connect(按钮_下页, &QPushButton::clicked, this,
            [this] { show_page(预览_->currentPage() + 1); });
    connect(按钮_到指定页, &QPushButton::clicked, this, &PrintPreviewWindow::go_to_page);
    connect(按钮_放大, &QPushButton::clicked, this, [this] { 预览_->zoomIn(zoom_step); });
    connect(按钮_缩小, &QPushButton::clicked, this, [this] { 预览_->zoomOut(zoom_step); });
    connect(按钮_等宽, &QPushButton::clicked, 预览_, &QPrintPreviewWidget::fitToWidth);
    connect(按钮_等高, &QPushButton::clicked, 预览_, &QPrintPreviewWidget::fitInView);
    connect(按钮_退出, &QPushButton::clicked, this, &QDialog::reject);
}

PrintPreviewWindow::~PrintPreviewWindow() = default;

QPushButton* PrintPreviewWindow::add_button(const QString& text, const QString& name) {
    auto* button = new QPushButton(text, this);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

bool PrintPreviewWindow::refresh() {
    render_cancelled_ = false;
    预览_->updatePreview();
    show_page(1);
    return !render_cancelled_;
}

void PrintPreviewWindow::render(QPrinter* printer) {
    const PageRenderer pages(grid_, grid_page_geometry(grid_), *printer);
    PageProgress progress(QStringLiteral("打印预览"), pages.page_count(), this);
    QPainter painter(printer);
    for (int page = 0; page < pages.page_count(); ++page) {
        if (page > 0)
            printer->newPage();
        pages.render_page(painter, page);
        if (progress.done(page + 1)) {
            render_cancelled_ = true;
            return;
        }
    }
}

void PrintPreviewWindow::show_page(int page) {
    if (page >= 1 && page <= 预览_->pageCount())
        预览_->setCurrentPage(page);
    update_page_controls();
}

void PrintPreviewWindow::update_page_controls() {
    const int page = 预览_->currentPage();
    const int count = 预览_->pageCount();
    标签_页码->setText(QStringLiteral("第 %1 页 / 共 %2 页").arg(page).arg(count));
    按钮_上页->setEnabled(page > 1);
    按钮_下页->setEnabled(page < count);
}

void PrintPreviewWindow::edit_margins() {
    MarginsDialog dialog(grid_page_geometry(grid_), this);
    if (!run_print_dialog(dialog))
        return;
    set_grid_page_geometry(grid_, dialog.geometry());
    if (!refresh())
        reject();
}

void PrintPreviewWindow::choose_printer() {
    QPrintDialog dialog(printer_.get(), this);
    dialog.setWindowTitle(QStringLiteral("打印设置"));
    restrict_print_dialog(dialog);
    // The dialog only chooses here: its accepting button must not promise a print.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>())
        if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
            ok->setText(QStringLiteral("确定"));
    if (!run_print_dialog(dialog))
        return;
    printer_->setFullPage(true);
    if (!refresh())
        reject();
}

void PrintPreviewWindow::go_to_page() {
    QInputDialog dialog(this);
    dialog.setWindowTitle(QStringLiteral("到指定页"));
    dialog.setInputMode(QInputDialog::IntInput);
    dialog.setIntRange(1, 预览_->pageCount());
    dialog.setIntValue(预览_->currentPage());
    dialog.setLabelText(QStringLiteral("页码（1 至 %1）：").arg(预览_->pageCount()));
    dialog.setOkButtonText(QStringLiteral("确定"));
    dialog.setCancelButtonText(QStringLiteral("取消"));
    if (run_print_dialog(dialog))
        show_page(dialog.intValue());
}

void preview_grid(QTableView& grid) {
    PrintPreviewWindow window(grid, grid.window());
    if (!window.refresh())
        return;
    run_print_dialog(window);
    if (window.print_requested())
        print_grid_on(grid, window.printer());
}
