#pragma once

#include "support/conditions.h"

#include <QWidget>

class ConditionBox;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class WorksheetGrid;

// The program's one window: the worksheet grid on the left, the panel of generation conditions
// on the right. The conditions have no store of their own; the window hands out what its
// controls show at the moment they are read.
class MainWindow : public QWidget, public ConditionsView {
    Q_OBJECT
  public:
    // The client area, so that a frame of 3 pixels a side under a 26-pixel title bar makes
    // the window 967 x 568 pixels as a whole.
    static constexpr QSize client_size{961, 536};
    static constexpr QSize outer_size{967, 568};

    explicit MainWindow(QWidget* parent = nullptr);

    // Runs once, while the window is still hidden: painter on, a 90-question sheet, seeding.
    void on_created();

    WorksheetGrid& grid() { return *高级表格; }

    QString question_count_text() const override;
    QString operand_count_text() const override;
    QString operand_low_text() const override;
    QString operand_high_text() const override;
    QString answer_low_text() const override;
    QString answer_high_text() const override;
    bool plus_ticked() const override;
    bool minus_ticked() const override;
    bool times_ticked() const override;
    bool divide_ticked() const override;
    bool grading_ticked() const override;

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private slots:
    void on_generate_clicked();
    void on_answer_clicked();
    void on_print_clicked();
    void on_preview_clicked();
    void on_question_count_left();
    void on_operand_count_left();

  private:
    void create_controls();
    void create_boxes();
    void create_check_boxes();
    void create_buttons();
    void connect_controls();
    void place_on_screen();
    bool grid_has_focus() const;

    WorksheetGrid* 高级表格;
    QGroupBox* 分组框_生成条件;
    QLabel* 透明标签_题目数量;
    ConditionBox* 编辑框_题目数量;
    QLabel* 透明标签_运算元数;
    ConditionBox* 编辑框_运算元数;
    QLabel* 透明标签_参数范围;
    ConditionBox* 编辑框_参数范围_小;
    QLabel* 透明标签_参数范围_至;
    ConditionBox* 编辑框_参数范围_大;
    QLabel* 透明标签_答案范围;
    ConditionBox* 编辑框_范围_小;
    QLabel* 透明标签_至;
    ConditionBox* 编辑框_范围_大;
    QLabel* 透明标签_运算符;
    QCheckBox* 选择框_加;
    QCheckBox* 选择框_减;
    QCheckBox* 选择框_乘;
    QCheckBox* 选择框_除;
    QPushButton* 按钮_生成题目;
    QPushButton* 按钮_答案;
    QCheckBox* 选择框_批卷;
    QPushButton* 按钮_打印;
    QPushButton* 按钮_打印预览;
};
