#include "app/main_window.h"
#include "app/painter.h"
#include "window_driver.h"
#include "worksheet/grid.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QInputMethodEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>

#include <memory>

namespace {
const QStringList all_boxes = {"编辑框_题目数量",    "编辑框_运算元数", "编辑框_参数范围_小",
                               "编辑框_参数范围_大", "编辑框_范围_小",  "编辑框_范围_大"};
const QStringList range_boxes = all_boxes.mid(2);
const QString too_small = QStringLiteral("题目数量不能小于1");
const QString too_large = QStringLiteral("题目数量不能大于100000");
const QString not_2_to_5 = QStringLiteral("只支持2到5");
} // namespace

class WindowTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void controls_at_start_data();
    void controls_at_start();
    void window_itself();
    void conditions_read_the_live_controls();
    void start_up_lays_out_ninety_questions();

    void typing_filter_data();
    void typing_filter();
    void editing_keys_pass_the_filter();
    void input_method_commits_are_filtered();
    void pasting_is_not_filtered_data();
    void pasting_is_not_filtered();

    void leaving_a_box_data();
    void leaving_a_box();
    void leaving_by_a_click_checks_too();
    void message_taking_the_focus_fires_once();
    void switching_windows_is_not_leaving();
    void escape_with_a_bad_count_closes_without_a_message();

    void escape_closes_from_the_panel_data();
    void escape_closes_from_the_panel();
    void escape_in_the_grid_stays_the_grid_s();
    void enter_and_f1_start_nothing_data();
    void enter_and_f1_start_nothing();

  private:
    QLineEdit* box(const QString& name) const { return window_->findChild<QLineEdit*>(name); }

    std::unique_ptr<MainWindow> window_;
};

void WindowTest::init() {
    window_ = std::make_unique<MainWindow>();
    window_->on_created();
    window_->show();
    QVERIFY(QTest::qWaitForWindowActive(window_.get()));
}

// The window goes as it would at the end: no box may show a message on its way out.
void WindowTest::cleanup() {
    MessageRecorder recorder;
    window_.reset();
    QCOMPARE(recorder.texts, QStringList());
}

void WindowTest::controls_at_start_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("parent");
    QTest::addColumn<QRect>("place");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ticked");
    const QString window = "MainWindow", panel = "分组框_生成条件";
    auto row = [](const char* name, const char* kind, const QString& parent, QRect place,
                  const char* text, bool ticked = false) {
        QTest::newRow(name) << kind << parent << place << QString::fromUtf8(text) << ticked;
    };
    row("高级表格", "WorksheetGrid", window, {0, 0, 744, 528}, "");
    row("分组框_生成条件", "QGroupBox", window, {752, 8, 208, 520}, "生成条件");
    row("透明标签_题目数量", "QLabel", panel, {16, 16, 64, 32}, "题目数量：");
    row("编辑框_题目数量", "QLineEdit", panel, {80, 16, 104, 24}, "90");
    row("透明标签_运算元数", "QLabel", panel, {16, 53, 96, 32}, "运算元数：");
    row("编辑框_运算元数", "QLineEdit", panel, {80, 53, 104, 24}, "2");
    row("透明标签_参数范围", "QLabel", panel, {15, 94, 64, 32}, "参数范围：");
    row("编辑框_参数范围_小", "QLineEdit", panel, {79, 94, 40, 24}, "0");
    row("透明标签_参数范围_至", "QLabel", panel, {124, 90, 23, 32}, "至");
    row("编辑框_参数范围_大", "QLineEdit", panel, {143, 94, 40, 24}, "20");
    row("透明标签_答案范围", "QLabel", panel, {16, 136, 64, 32}, "答案范围：");
    row("编辑框_范围_小", "QLineEdit", panel, {80, 136, 40, 24}, "0");
    row("透明标签_至", "QLabel", panel, {125, 132, 23, 32}, "至");
    row("编辑框_范围_大", "QLineEdit", panel, {144, 136, 40, 24}, "20");
    row("透明标签_运算符", "QLabel", panel, {16, 178, 96, 32}, "运算符：");
    row("选择框_加", "QCheckBox", panel, {40, 210, 40, 24}, "加", true);
    row("选择框_减", "QCheckBox", panel, {120, 210, 40, 24}, "减");
    row("选择框_乘", "QCheckBox", panel, {40, 242, 40, 24}, "乘");
    row("选择框_除", "QCheckBox", panel, {120, 242, 40, 24}, "除");
    row("按钮_生成题目", "QPushButton", panel, {16, 269, 80, 40}, "生成题目");
    row("按钮_答案", "QPushButton", panel, {112, 269, 80, 40}, "答案");
    row("选择框_批卷", "QCheckBox", panel, {112, 312, 80, 24}, "批卷");
    row("按钮_打印", "QPushButton", panel, {16, 368, 80, 40}, "打印");
    row("按钮_打印预览", "QPushButton", panel, {112, 368, 80, 40}, "打印预览");
}

void WindowTest::controls_at_start() {
    QFETCH(QString, kind);
    QFETCH(QString, parent);
    QFETCH(QRect, place);
    QFETCH(QString, text);
    QFETCH(bool, ticked);
    const QString name = QString::fromUtf8(QTest::currentDataTag());
    auto* control = window_->findChild<QWidget*>(name);
    QVERIFY2(control, qPrintable(name));
    QVERIFY(control->inherits(kind.toLatin1()));
    QCOMPARE(control->parentWidget()->objectName(), parent);
    QCOMPARE(control->geometry(), place);
    QVERIFY(control->isVisible());
    QVERIFY(control->isEnabled());
    if (auto* label = qobject_cast<QLabel*>(control)) {
        QCOMPARE(label->text(), text);
        QVERIFY(!label->autoFillBackground());
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->text(), text);
        QCOMPARE(edit->alignment(), Qt::AlignCenter);
        QVERIFY(edit->hasFrame());
        QVERIFY(!edit->isReadOnly());
        QCOMPARE(edit->palette().color(QPalette::Base), QColor(Qt::white));
        QCOMPARE(edit->palette().color(QPalette::Text), QColor(Qt::black));
    } else if (auto* check = qobject_cast<QCheckBox*>(control)) {
        QCOMPARE(check->text(), text);
        QCOMPARE(check->isChecked(), ticked);
    } else if (auto* button = qobject_cast<QPushButton*>(control)) {
        QCOMPARE(button->text(), text);
        QVERIFY(!button->isDefault());
        QVERIFY(!button->autoDefault());
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        QCOMPARE(group->title(), text);
    }
}

void WindowTest::window_itself() {
    QCOMPARE(window_->windowTitle(), QStringLiteral("Morvane1.3"));
    QCOMPARE(window_->size(), QSize(961, 536));
    QCOMPARE(window_->minimumSize(), window_->size());
    QCOMPARE(window_->maximumSize(), window_->size());
    const Qt::WindowFlags flags = window_->windowFlags();
    QVERIFY(flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowCloseButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(window_->windowType(), Qt::Window);
    QCOMPARE(window_->backgroundRole(), QPalette::Button);
    QVERIFY(window_->autoFillBackground());
    const QRect screen = window_->screen()->geometry();
    QCOMPARE(window_->frameGeometry().topLeft(), QPoint(screen.x() + (screen.width() - 967) / 2,
                                                        screen.y() + (screen.height() - 568) / 2));
}

void WindowTest::conditions_read_the_live_controls() {
    const ConditionsView& view = *window_;
    QCOMPARE(view.question_count_text(), QStringLiteral("90"));
    QCOMPARE(view.operand_count_text(), QStringLiteral("2"));
    QCOMPARE(view.operand_low_text(), QStringLiteral("0"));
    QCOMPARE(view.operand_high_text(), QStringLiteral("20"));
    QCOMPARE(view.answer_low_text(), QStringLiteral("0"));
    QCOMPARE(view.answer_high_text(), QStringLiteral("20"));
    QVERIFY(view.plus_ticked());
    QVERIFY(!view.minus_ticked() && !view.times_ticked() && !view.divide_ticked());
    QVERIFY(!view.grading_ticked());

    const QStringList typed = {"180", "3", "1", "9", "2", "50"};
    for (int i = 0; i < all_boxes.size(); ++i)
        type_into(box(all_boxes[i]), typed[i]);
    for (const char* name : {"选择框_加", "选择框_减", "选择框_乘", "选择框_除", "选择框_批卷"})
        QTest::mouseClick(window_->findChild<QCheckBox*>(name), Qt::LeftButton);
    QCOMPARE(
        QStringList({view.question_count_text(), view.operand_count_text(), view.operand_low_text(),
                     view.operand_high_text(), view.answer_low_text(), view.answer_high_text()}),
        typed);
    QVERIFY(!view.plus_ticked());
    QVERIFY(view.minus_ticked() && view.times_ticked() && view.divide_ticked());
    QVERIFY(view.grading_ticked());
}

void WindowTest::start_up_lays_out_ninety_questions() {
    QVERIFY(qobject_cast<SchemePainter*>(QApplication::style()));
    auto* grid = window_->findChild<WorksheetGrid*>("高级表格");
    QVERIFY(grid);
    QCOMPARE(grid->row_count(), 32);
    QCOMPARE(grid->column_count(), 9);
    QCOMPARE(grid->get_cell_text(0, 0), QStringLiteral("小学数学题题库"));
    QCOMPARE(grid->rowSpan(0, 0), 1);
    QCOMPARE(grid->columnSpan(0, 0), 9);
    for (int g = 0; g < 3; ++g) {
        QCOMPARE(grid->get_cell_text(1, 3 * g), QStringLiteral("序号"));
        QCOMPARE(grid->get_cell_text(1, 3 * g + 1), QStringLiteral("题目"));
        QCOMPARE(grid->get_cell_text(1, 3 * g + 2), QStringLiteral("答案"));
    }
    for (int k = 1; k <= 90; ++k) {
        const int row = (k - 1) / 3 + 2, column = (k - 1) % 3 * 3;
        QCOMPARE(grid->get_cell_text(row, column), QString::number(k));
        QCOMPARE(grid->get_cell_text(row, column + 1), QString());
        QCOMPARE(grid->get_cell_text(row, column + 2), QString());
    }
}

void WindowTest::typing_filter_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("shown");
    const struct {
        const char* tag;
        QString keys;
        QString shown;
    } cases[] = {
        {"letters", "abcXYZ", ""},
        {"space, full stop, plus", " .+", ""},
        {"digits among others", "1a2 3.4+5", "12345"},
        {"minus anywhere, any number of times", "--3-1-", "--3-1-"},
        {"double-byte characters", "加１２。", ""},
        {"digits then a Chinese letter", "12减3", "123"},
    };
    for (const QString& name : all_boxes) {
        for (const auto& c : cases) {
            QTest::addRow("%s: %s", qPrintable(name), c.tag) << name << c.keys << c.shown;
        }
    }
}

void WindowTest::typing_filter() {
    QFETCH(QString, name);
    QFETCH(QString, keys);
    QFETCH(QString, shown);
    type_into(box(name), keys);
    QCOMPARE(box(name)->text(), shown);
}

void WindowTest::editing_keys_pass_the_filter() {
    QLineEdit* edit = box("编辑框_参数范围_大");
    type_into(edit, "1234");
    QTest::keyClick(edit, Qt::Key_Backspace);
    QCOMPARE(edit->text(), QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QCOMPARE(edit->text(), QStringLiteral("23"));
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClick(edit, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(edit, Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("2"));
    QTest::keyClick(edit, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(edit->text(), QStringLiteral("23"));
}

void WindowTest::input_method_commits_are_filtered() {
    QLineEdit* edit = box("编辑框_范围_大");
    type_into(edit, "7");
    QInputMethodEvent composing(QStringLiteral("jia"), {});
    QApplication::sendEvent(edit, &composing);
    QInputMethodEvent chinese;
    chinese.setCommitString(QStringLiteral("加"));
    QApplication::sendEvent(edit, &chinese);
    QCOMPARE(edit->text(), QStringLiteral("7"));
    QVERIFY(edit->displayText() == QStringLiteral("7"));
    QInputMethodEvent mixed;
    mixed.setCommitString(QStringLiteral("减-8５"));
    QApplication::sendEvent(edit, &mixed);
    QCOMPARE(edit->text(), QStringLiteral("7-8"));
}

void WindowTest::pasting_is_not_filtered_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pasted");
    for (const QString& name : all_boxes) {
        QTest::addRow("%s: abc", qPrintable(name)) << name << "abc";
        QTest::addRow("%s: Chinese and signs", qPrintable(name)) << name << "加 +1.5";
    }
    QTest::newRow("40000 digits, no length limit") << "编辑框_范围_大" << QString(40000, u'9');
}

void WindowTest::pasting_is_not_filtered() {
    QFETCH(QString, name);
    QFETCH(QString, pasted);
    paste_into(box(name), pasted);
    QCOMPARE(box(name)->text(), pasted);
}

void WindowTest::leaving_a_box_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("pasted");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text_at_message");
    QTest::addColumn<QStringList>("messages");
    QTest::addColumn<QString>("text_after");
    const QString count = "编辑框_题目数量", operands = "编辑框_运算元数";
    auto row = [](const char* tag, const QString& name, bool pasted, const QString& input,
                  const QString& at_message, const QStringList& messages, const QString& after) {
        QTest::newRow(tag) << name << pasted << input << at_message << messages << after;
    };
    row("count 007 tidied", count, false, "007", "", {}, "7");
    row("count 1 kept", count, false, "1", "", {}, "1");
    row("count 1-2 tidied", count, false, "1-2", "", {}, "1");
    row("count 100000 kept", count, false, "100000", "", {}, "100000");
    row("count pasted +5", count, true, "+5", "", {}, "5");
    row("count pasted leading space", count, true, " 12", "", {}, "12");
    row("count 0", count, false, "0", "", {too_small}, "90");
    row("count empty", count, false, "", "", {too_small}, "90");
    row("count -4", count, false, "-4", "-4", {too_small}, "90");
    row("count lone minus", count, false, "-", "", {too_small}, "90");
    row("count pasted abc", count, true, "abc", "", {too_small}, "90");
    row("count 100001", count, false, "100001", "100001", {too_large}, "90");
    row("count beyond 32 bits", count, false, "99999999999", "2147483647", {too_large}, "90");
    row("operands 1", operands, false, "1", "1", {not_2_to_5}, "2");
    row("operands 6", operands, false, "6", "6", {not_2_to_5}, "2");
    row("operands empty", operands, false, "", "", {not_2_to_5}, "2");
    row("operands -3", operands, false, "-3", "-3", {not_2_to_5}, "2");
    row("operands pasted abc", operands, true, "abc", "", {not_2_to_5}, "2");
    row("operands 03 tidied", operands, false, "03", "", {}, "3");
    for (const char* kept : {"2", "3", "4", "5"})
        row(qPrintable(QStringLiteral("operands %1 kept").arg(kept)), operands, false, kept, "", {},
            kept);
    for (const QString& name : range_boxes) {
        row(qPrintable(name + " --3 kept"), name, false, "--3", "", {}, "--3");
        row(qPrintable(name + " empty kept"), name, false, "", "", {}, "");
        row(qPrintable(name + " pasted 5-3 kept"), name, true, "5-3", "", {}, "5-3");
    }
}

void WindowTest::leaving_a_box() {
    QFETCH(QString, name);
    QFETCH(bool, pasted);
    QFETCH(QString, input);
    QFETCH(QString, text_at_message);
    QFETCH(QStringList, messages);
    QFETCH(QString, text_after);
    QLineEdit* edit = box(name);
    QStringList texts_at_message;
    MessageRecorder recorder([&](const QString&) { texts_at_message << edit->text(); });
    if (pasted)
        paste_into(edit, input);
    else
        type_into(edit, input);
    QCOMPARE(edit->text(), input);
    leave_with_tab(edit);
    QVERIFY(!edit->hasFocus());
    QCOMPARE(recorder.texts, messages);
    if (!messages.isEmpty())
        QCOMPARE(texts_at_message, QStringList{text_at_message});
    QCOMPARE(edit->text(), text_after);
}

void WindowTest::leaving_by_a_click_checks_too() {
    MessageRecorder recorder;
    type_into(box("编辑框_运算元数"), "9");
    QTest::mouseClick(box("编辑框_范围_大"), Qt::LeftButton);
    QCOMPARE(recorder.texts, QStringList{not_2_to_5});
    QCOMPARE(box("编辑框_运算元数")->text(), QStringLiteral("2"));
}

// A real message box takes the activation away from the window while it is open and gives it
// back when it closes; the hook does the same with a window of its own.
namespace {
void take_the_focus_away_and_back(QWidget* main_window) {
    QWidget message;
    message.setFocusPolicy(Qt::StrongFocus);
    message.show();
    QApplication::setActiveWindow(&message);
    message.setFocus();
    QApplication::processEvents();
    message.close();
    QApplication::setActiveWindow(main_window);
    QApplication::processEvents();
}
} // namespace

void WindowTest::message_taking_the_focus_fires_once() {
    MessageRecorder recorder(
        [this](const QString&) { take_the_focus_away_and_back(window_.get()); });
    type_into(box("编辑框_题目数量"), "0");
    leave_with_tab(box("编辑框_题目数量"));
    QCOMPARE(recorder.texts, QStringList{too_small});
    QCOMPARE(box("编辑框_题目数量")->text(), QStringLiteral("90"));
    QCOMPARE(box("编辑框_运算元数")->text(), QStringLiteral("2"));
}

void WindowTest::switching_windows_is_not_leaving() {
    MessageRecorder recorder;
    type_into(box("编辑框_运算元数"), "7");
    {
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QApplication::processEvents();
        QVERIFY(recorder.texts.isEmpty());
    }
    QApplication::setActiveWindow(window_.get());
    QApplication::processEvents();
    QVERIFY(box("编辑框_运算元数")->hasFocus());
    QCOMPARE(box("编辑框_运算元数")->text(), QStringLiteral("7"));
    leave_with_tab(box("编辑框_运算元数"));
    QCOMPARE(recorder.texts, QStringList{not_2_to_5});
    QCOMPARE(box("编辑框_运算元数")->text(), QStringLiteral("2"));
}

void WindowTest::escape_closes_from_the_panel_data() {
    QTest::addColumn<QString>("name");
    for (const char* name : {"编辑框_题目数量", "编辑框_范围_小", "选择框_加", "按钮_生成题目"})
        QTest::newRow(name) << QString::fromUtf8(name);
}

void WindowTest::escape_closes_from_the_panel() {
    QFETCH(QString, name);
    auto* control = window_->findChild<QWidget*>(name);
    control->setFocus(Qt::TabFocusReason);
    QVERIFY(control->hasFocus());
    QTest::keyClick(control, Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
}

void WindowTest::escape_with_a_bad_count_closes_without_a_message() {
    MessageRecorder recorder;
    type_into(box("编辑框_题目数量"), "0");
    QTest::keyClick(box("编辑框_题目数量"), Qt::Key_Escape);
    QVERIFY(!window_->isVisible());
    QVERIFY(recorder.texts.isEmpty());
}

void WindowTest::escape_in_the_grid_stays_the_grid_s() {
    auto* grid = window_->findChild<WorksheetGrid*>("高级表格");
    const QModelIndex question = grid->model()->index(2, 1);
    grid->setCurrentIndex(question);
    grid->edit(question);
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor);
    QVERIFY(grid->isAncestorOf(editor));
    QTest::keyClicks(editor, "12");
    QTest::keyClick(editor, Qt::Key_Escape);
    QVERIFY(window_->isVisible());
    QCOMPARE(grid->get_cell_text(2, 1), QString());
    QVERIFY(grid->hasFocus());
    QTest::keyClick(grid, Qt::Key_Escape);
    QVERIFY(window_->isVisible());
}

void WindowTest::enter_and_f1_start_nothing_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key");
    for (const char* name : {"编辑框_题目数量", "选择框_减", "按钮_答案"}) {
        for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_F1})
            QTest::addRow("%s %x", name, key) << QString::fromUtf8(name) << int(key);
    }
}

void WindowTest::enter_and_f1_start_nothing() {
    QFETCH(QString, name);
    QFETCH(int, key);
    MessageRecorder recorder;
    auto* control = window_->findChild<QWidget*>(name);
    control->setFocus(Qt::TabFocusReason);
    QTest::keyClick(control, Qt::Key(key));
    QVERIFY(window_->isVisible());
    QVERIFY(control->hasFocus());
    QVERIFY(recorder.texts.isEmpty());
    QVERIFY(!window_->findChild<QCheckBox*>("选择框_减")->isChecked());
    QCOMPARE(box("编辑框_题目数量")->text(), QStringLiteral("90"));
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
