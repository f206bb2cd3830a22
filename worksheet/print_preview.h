#pragma once

#include <QDialog>

#include <memory>

class QLabel;
class QPrinter;
class QPrintPreviewWidget;
class QPushButton;
class QTableView;

// The modal preview "打印预览": the printed pages one at a time, first page first, fitted to
// the window, with the page number and count beside the buttons. Qt's preview engine draws the
// pages the printer would get; the buttons and wording are ours.
class PrintPreviewWindow : public QDialog {
    Q_OBJECT
  public:
    explicit PrintPreviewWindow(QTableView& grid, QWidget* parent = nullptr);
    ~PrintPreviewWindow() override;

    // Draws the pages anew; false when the user stopped a long drawing.
    bool refresh();
    // Whether the window was closed through "打印", which asks for the job.
    bool print_requested() const { return print_requested_; }
    QPrinter& printer() { return *printer_; }
    QPrintPreviewWidget& pages() { return *预览_; }

  private:
    void render(QPrinter* printer);
    void show_page(int page);
    void update_page_controls();
    void edit_margins();
    void choose_printer();
    void go_to_page();
    QPushButton* add_button(const QString& text, const QString& name);

    QTableView& grid_;
    std::unique_ptr<QPrinter> printer_;
    bool print_requested_ = false;
    bool render_cancelled_ = false;

    QPrintPreviewWidget* 预览_ = nullptr;
    QLabel* 标签_页码 = nullptr;
    QPushButton* 按钮_打印 = nullptr;
    QPushButton* 按钮_页边距 = nullptr;
    QPushButton* 按钮_打印设置 = nullptr;
    QPushButton* 按钮_上页 = nullptr;
    QPushButton* 按钮_下页 = nullptr;
    QPushButton* 按钮_到指定页 = nullptr;
    QPushButton* 按钮_放大 = nullptr;
    QPushButton* 按钮_缩小 = nullptr;
    QPushButton* 按钮_等宽 = nullptr;
    QPushButton* 按钮_等高 = nullptr;
    QPushButton* 按钮_退出 = nullptr;
};

// Shows the modal preview of the grid and returns when it is closed; "打印" there prints as
// print_grid does, on the printer the preview was set up for.
void preview_grid(QTableView& grid);
