#include "app/main_window.h"

#include "app/condition_box.h"
#include "app/condition_checks.h"
#include "app/painter.h"
#include "support/random.h"
#include "worksheet/grid.h"
#include "worksheet/layout.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <utility>

namespace {
// Creates a control under parent with its name as objectName, at its place in parent.
template <typename Control, typename... Args>
Control* placed(QWidget* parent, const QString& name, const QRect& place, Args&&... args) {
    auto* control = new Control(std::forward<Args>(args)..., parent);
    control->setObjectName(name);
    control->setGeometry(place);
    return control;
}

QLabel* transparent_label(QWidget* parent, const QString& name, const QRect& place,
                          const QString& text) {
    auto* label = placed<QLabel>(parent, name, place, text);
    label->setAutoFillBackground(false);
    return label;
}

QCheckBox* check_box(QWidget* parent, const QString& name, const QRect& place, const QString& text,
                     bool ticked) {
    auto* box = placed<QCheckBox>(parent, name, place, text);
    box->setChecked(ticked);
    return box;
}

QPushButton* push_button(QWidget* parent, const QString& name, const QRect& place,
                         const QString& text) {
    auto* button = placed<QPushButton>(parent, name, place, text);
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}
} // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Morvane1.3"));
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(client_size);
    setBackgroundRole(QPalette::Button);
    setAutoFillBackground(true);
    create_controls();
    connect_controls();
    编辑框_题目数量->setFocus();
    place_on_screen();
}

void MainWindow::on_created() {
    switch_on_painter();
    lay_out_worksheet(*高级表格, 90);
    seed_random_from_clock();
}

void MainWindow::create_controls() {
    高级表格 = placed<WorksheetGrid>(this, QStringLiteral("高级表格"), {0, 0, 744, 528});
    分组框_生成条件 = placed<QGroupBox>(this, QStringLiteral("分组框_生成条件"), {752, 8, 208, 520},
                                        QStringLiteral("生成条件"));
    create_boxes();
    create_check_boxes();
    create_buttons();
}

void MainWindow::create_boxes() {
    QWidget* panel = 分组框_生成条件;
    透明标签_题目数量 = transparent_label(panel, QStringLiteral("透明标签_题目数量"),
                                          {16, 16, 64, 32}, QStringLiteral("题目数量："));
    编辑框_题目数量 = placed<ConditionBox>(panel, QStringLiteral("编辑框_题目数量"),
                                           {80, 16, 104, 24}, QStringLiteral("90"));
    透明标签_运算元数 = transparent_label(panel, QStringLiteral("透明标签_运算元数"),
                                          {16, 53, 96, 32}, QStringLiteral("运算元数："));
    编辑框_运算元数 = placed<ConditionBox>(panel, QStringLiteral("编辑框_运算元数"),
                                           {80, 53, 104, 24}, QStringLiteral("2"));
    透明标签_参数范围 = transparent_label(panel, QStringLiteral("透明标签_参数范围"),
                                          {15, 94, 64, 32}, QStringLiteral("参数范围："));
    编辑框_参数范围_小 = placed<ConditionBox>(panel, QStringLiteral("编辑框_参数范围_小"),
                                              {79, 94, 40, 24}, QStringLiteral("0"));
    透明标签_参数范围_至 = transparent_label(panel, QStringLiteral("透明标签_参数范围_至"),
                                             {124, 90, 23, 32}, QStringLiteral("至"));
    编辑框_参数范围_大 = placed<ConditionBox>(panel, QStringLiteral("编辑框_参数范围_大"),
                                              {143, 94, 40, 24}, QStringLiteral("20"));
    透明标签_答案范围 = transparent_label(panel, QStringLiteral("透明标签_答案范围"),
                                          {16, 136, 64, 32}, QStringLiteral("答案范围："));
    编辑框_范围_小 = placed<ConditionBox>(panel, QStringLiteral("编辑框_范围_小"),
                                          {80, 136, 40, 24}, QStringLiteral("0"));
    透明标签_至 = transparent_label(panel, QStringLiteral("透明标签_至"), {125, 132, 23, 32},
                                    QStringLiteral("至"));
    编辑框_范围_大 = placed<ConditionBox>(panel, QStringLiteral("编辑框_范围_大"),
                                          {144, 136, 40, 24}, QStringLiteral("20"));
}

void MainWindow::create_check_boxes() {
    QWidget* panel = 分组框_生成条件;
    透明标签_运算符 = transparent_label(panel, QStringLiteral("透明标签_运算符"), {16, 178, 96, 32},
                                        QStringLiteral("运算符："));
    选择框_加 = check_box(panel, QStringLiteral("选择框_加"), {40, 210, 40, 24},
                          QStringLiteral("加"), true);
    选择框_减 = check_box(panel, QStringLiteral("选择框_减"), {120, 210, 40, 24},
                          QStringLiteral("减"), false);
    选择框_乘 = check_box(panel, QStringLiteral("选择框_乘"), {40, 242, 40, 24},
                          QStringLiteral("乘"), false);
    选择框_除 = check_box(panel, QStringLiteral("选择框_除"), {120, 242, 40, 24},
                          QStringLiteral("除"), false);
}

void MainWindow::create_buttons() {
    QWidget* panel = 分组框_生成条件;
    按钮_生成题目 = push_button(panel, QStringLiteral("按钮_生成题目"), {16, 269, 80, 40},
                                QStringLiteral("生成题目"));
    按钮_答案 =
        push_button(panel, QStringLiteral("按钮_答案"), {112, 269, 80, 40}, QStringLiteral("答案"));
    选择框_批卷 = check_box(panel, QStringLiteral("选择框_批卷"), {112, 312, 80, 24},
                            QStringLiteral("批卷"), false);
    按钮_打印 =
        push_button(panel, QStringLiteral("按钮_打印"), {16, 368, 80, 40}, QStringLiteral("打印"));
    按钮_打印预览 = push_button(panel, QStringLiteral("按钮_打印预览"), {112, 368, 80, 40},
                                QStringLiteral("打印预览"));
}

void MainWindow::connect_controls() {
    connect(按钮_生成题目, &QPushButton::clicked, this, &MainWindow::on_generate_clicked);
    connect(按钮_答案, &QPushButton::clicked, this, &MainWindow::on_answer_clicked);
    connect(按钮_打印, &QPushButton::clicked, this, &MainWindow::on_print_clicked);
    connect(按钮_打印预览, &QPushButton::clicked, this, &MainWindow::on_preview_clicked);
    connect(编辑框_题目数量, &ConditionBox::focus_left, this, &MainWindow::on_question_count_left);
    connect(编辑框_运算元数, &ConditionBox::focus_left, this, &MainWindow::on_operand_count_left);
}

// The described start position is the centre of the screen for the outer size.
void MainWindow::place_on_screen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr)
        return;
    const QRect area = screen->geometry();
    move(area.x() + (area.width() - outer_size.width()) / 2,
         area.y() + (area.height() - outer_size.height()) / 2);
}

QString MainWindow::question_count_text() const {
    return 编辑框_题目数量->text();
}
QString MainWindow::operand_count_text() const {
    return 编辑框_运算元数->text();
}
QString MainWindow::operand_low_text() const {
    return 编辑框_参数范围_小->text();
}
QString MainWindow::operand_high_text() const {
    return 编辑框_参数范围_大->text();
}
QString MainWindow::answer_low_text() const {
    return 编辑框_范围_小->text();
}
QString MainWindow::answer_high_text() const {
    return 编辑框_范围_大->text();
}
bool MainWindow::plus_ticked() const {
    return 选择框_加->isChecked();
}
bool MainWindow::minus_ticked() const {
    return 选择框_减->isChecked();
}
bool MainWindow::times_ticked() const {
    return 选择框_乘->isChecked();
}
bool MainWindow::divide_ticked() const {
    return 选择框_除->isChecked();
}
bool MainWindow::grading_ticked() const {
    return 选择框_批卷->isChecked();
}

bool MainWindow::grid_has_focus() const {
    const QWidget* focus = focusWidget();
    return focus == 高级表格 || 高级表格->isAncestorOf(focus);
}

// Keys the panel's controls leave alone arrive here. Esc closes as the close button does; in
// the grid Esc stays the grid's key. Enter and F1 start nothing.
void MainWindow::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Escape:
        if (!grid_has_focus())
            close();
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_F1:
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MainWindow::on_question_count_left() {
    tidy_integer_box(*编辑框_题目数量);
    check_question_count(*编辑框_题目数量);
}

void MainWindow::on_operand_count_left() {
    tidy_integer_box(*编辑框_运算元数);
    check_operand_count(*编辑框_运算元数);
}

// The actions behind the four buttons come with the generation, answering and printing.
void MainWindow::on_generate_clicked() {}
void MainWindow::on_answer_clicked() {}
void MainWindow::on_print_clicked() {}
void MainWindow::on_preview_clicked() {}
