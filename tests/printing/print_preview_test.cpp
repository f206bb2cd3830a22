// The preview window driven as a person would: its buttons, its dialogs answered by the seam.
#include "printing_fixture.h"

#include "worksheet/print_margins_dialog.h"
#include "worksheet/print_preview.h"
#include "worksheet/printing.h"

#include <QInputDialog>
#include <QLabel>
#include <QLayout>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void click(QWidget& window, const char* button) {
    auto* target = window.findChild<QPushButton*>(QString::fromUtf8(button));
    QVERIFY2(target, button);
    QTest::mouseClick(target, Qt::LeftButton);
}

QString page_label(QWidget& window) {
    return window.findChild<QLabel*>(QStringLiteral("标签_页码"))->text();
}

bool enabled(QWidget& window, const char* button) {
    return window.findChild<QPushButton*>(QString::fromUtf8(button))->isEnabled();
}

// Runs preview_grid with the preview window, drawn for A4 paper, handed to drive; the other
// dialogs go to answer.
void with_preview(
    QTableView& grid, const std::function<void(PrintPreviewWindow&)>& drive,
    const DialogAnswers::Answer& answer = [](QDialog&) { return false; }) {
    DialogAnswers answers([&](QDialog& dialog) {
        if (auto* window = qobject_cast<PrintPreviewWindow*>(&dialog)) {
            window->printer().setPageSize(QPageSize(QPageSize::A4));
            window->refresh();
            window->show();
            drive(*window);
            window->close();
            return window->result() == QDialog::Accepted;
        }
        return answer(dialog);
    });
    preview_grid(grid);
}

void type_into(QSpinBox* box, const QString& text) {
    box->selectAll();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Tab);
}

} // namespace

class PrintPreviewTest : public QObject {
    Q_OBJECT
  private slots:
    void opens_maximised_with_its_buttons_in_order();
    void previous_and_next_exist_only_where_the_page_does();
    void goes_to_the_page_asked_for_data();
    void goes_to_the_page_asked_for();
    void zooms_and_fits();
    void margins_dialog_keeps_values_in_range_and_restores_defaults();
    void margins_reach_the_preview_and_the_next_print();
    void cancelled_margins_change_nothing();
    void printer_settings_redraw_for_the_paper();
    void print_button_closes_and_prints();

  private:
    QTemporaryDir dir_;
};

void PrintPreviewTest::opens_maximised_with_its_buttons_in_order() {
    LaidOutSheet sheet(90);
    const QStringList before = sheet.snapshot();
    QStringList buttons;
    with_preview(sheet.grid(), [&](PrintPreviewWindow& window) {
        QCOMPARE(window.windowTitle(), QStringLiteral("打印预览"));
        QVERIFY(window.windowState() & Qt::WindowMaximized);
        QVERIFY(window.isModal());
        QLayout* bar = window.layout()->itemAt(0)->layout();
        for (int i = 0; i < bar->count(); ++i)
            if (auto* button = qobject_cast<QPushButton*>(bar->itemAt(i)->widget()))
                buttons << button->text();
        QCOMPARE(page_label(window), QStringLiteral("第 1 页 / 共 2 页"));
        QCOMPARE(window.pages().zoomMode(), QPrintPreviewWidget::FitInView);
        click(window, "按钮_退出");
        QVERIFY(!window.isVisible());
    });
    QCOMPARE(buttons, (QStringList{"打印", "页边距", "打印设置", "上页", "下页", "到指定页", "放大",
                                   "缩小", "等宽", "等高", "退出"}));
    QCOMPARE(sheet.snapshot(), before);
}

void PrintPreviewTest::previous_and_next_exist_only_where_the_page_does() {
    LaidOutSheet sheet(180);
    with_preview(sheet.grid(), [](PrintPreviewWindow& window) {
        QVERIFY(!enabled(window, "按钮_上页"));
        QVERIFY(enabled(window, "按钮_下页"));
        click(window, "按钮_下页");
        QCOMPARE(page_label(window), QStringLiteral("第 2 页 / 共 3 页"));
        QVERIFY(enabled(window, "按钮_上页"));
        QVERIFY(enabled(window, "按钮_下页"));
        click(window, "按钮_下页");
        QCOMPARE(page_label(window), QStringLiteral("第 3 页 / 共 3 页"));
        QVERIFY(!enabled(window, "按钮_下页"));
        click(window, "按钮_上页");
        QCOMPARE(window.pages().currentPage(), 2);
    });

    // With side margins of 500 a grid pixel is 1100 / 720 tenths: the 32 rows fit on one page.
    LaidOutSheet one_page(30);
    set_grid_page_geometry(one_page.grid(), PageGeometry{20, 60, 20, 20, 60, 20, 500});
    with_preview(one_page.grid(), [](PrintPreviewWindow& window) {
        QCOMPARE(page_label(window), QStringLiteral("第 1 页 / 共 1 页"));
        QVERIFY(!enabled(window, "按钮_上页"));
        QVERIFY(!enabled(window, "按钮_下页"));
    });
}

void PrintPreviewTest::goes_to_the_page_asked_for_data() {
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("page");

    QTest::newRow("last page") << true << QStringLiteral("3") << 3;
    QTest::newRow("first page") << true << QStringLiteral("1") << 1;
    QTest::newRow("beyond the last is refused") << true << QStringLiteral("9") << 2;
    QTest::newRow("cancel stays") << false << QStringLiteral("3") << 2;
}

void PrintPreviewTest::goes_to_the_page_asked_for() {
    QFETCH(bool, accepted);
    QFETCH(QString, typed);
    QFETCH(int, page);

    LaidOutSheet sheet(180);
    int low = 0;
    int high = 0;
    const auto answer = [&](QDialog& dialog) {
        auto* input = qobject_cast<QInputDialog*>(&dialog);
        if (!input)
            return false;
        low = input->intMinimum();
        high = input->intMaximum();
        dialog.show();
        auto* box = dialog.findChild<QSpinBox*>();
        box->selectAll();
        QTest::keyClicks(box, typed);
        return accepted;
    };
    with_preview(
        sheet.grid(),
        [&](PrintPreviewWindow& window) {
            click(window, "按钮_下页");
            click(window, "按钮_到指定页");
            QCOMPARE(window.pages().currentPage(), page);
            QCOMPARE(page_label(window), QStringLiteral("第 %1 页 / 共 3 页").arg(page));
        },
        answer);
    QCOMPARE(low, 1);
    QCOMPARE(high, 3);
}

void PrintPreviewTest::zooms_and_fits() {
    LaidOutSheet sheet(90);
    with_preview(sheet.grid(), [](PrintPreviewWindow& window) {
        QPrintPreviewWidget& pages = window.pages();
        click(window, "按钮_等宽");
        QCOMPARE(pages.zoomMode(), QPrintPreviewWidget::FitToWidth);
        const qreal fitted = pages.zoomFactor();
        click(window, "按钮_放大");
        QVERIFY(pages.zoomFactor() > fitted * 1.1);
        click(window, "按钮_缩小");
        click(window, "按钮_缩小");
        QVERIFY(pages.zoomFactor() < fitted * 0.9);
        click(window, "按钮_等高");
        QCOMPARE(pages.zoomMode(), QPrintPreviewWidget::FitInView);
    });
}

void PrintPreviewTest::margins_dialog_keeps_values_in_range_and_restores_defaults() {
    PageGeometry odd{1, 2, 3, 4, 5, 6, 7};
    MarginsDialog dialog(odd);
    QCOMPARE(dialog.geometry(), odd);
    const QList<QSpinBox*> boxes = dialog.findChildren<QSpinBox*>();
    QCOMPARE(boxes.size(), 7);
    dialog.show();
    for (QSpinBox* box : boxes) {
        QCOMPARE(box->minimum(), 0);
        QCOMPARE(box->maximum(), 999);
        type_into(box, QStringLiteral("1234"));
        QVERIFY(box->value() <= 999);
    }
    type_into(dialog.findChild<QSpinBox*>(QStringLiteral("数值框_上边距")), QStringLiteral("999"));
    type_into(dialog.findChild<QSpinBox*>(QStringLiteral("数值框_左右边距")), QStringLiteral("0"));
    QCOMPARE(dialog.geometry().top_margin, 999);
    QCOMPARE(dialog.geometry().side_margin, 0);
    QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("按钮_恢复默认")),
                      Qt::LeftButton);
    QCOMPARE(dialog.geometry(), PageGeometry{});
    QVERIFY(dialog.isVisible());
}

void PrintPreviewTest::margins_reach_the_preview_and_the_next_print() {
    LaidOutSheet sheet(90);
    const auto answer = [](QDialog& dialog) {
        auto* margins = qobject_cast<MarginsDialog*>(&dialog);
        if (!margins)
            return false;
        dialog.show();
        type_into(dialog.findChild<QSpinBox*>(QStringLiteral("数值框_上边距")),
                  QStringLiteral("999"));
        type_into(dialog.findChild<QSpinBox*>(QStringLiteral("数值框_下边距")),
                  QStringLiteral("999"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("按钮_确定")),
                          Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    };
    with_preview(
        sheet.grid(),
        [](PrintPreviewWindow& window) {
            click(window, "按钮_页边距");
            // 2970 - 2 × 999 - 180 leaves 812 tenths, 289 pixels: four pages of 8 rows.
            QCOMPARE(page_label(window), QStringLiteral("第 1 页 / 共 4 页"));
            click(window, "按钮_退出");
        },
        answer);

    const QString pdf = dir_.filePath(QStringLiteral("after-margins.pdf"));
    print_to_pdf(sheet.grid(), pdf);
    QCOMPARE(pdf_page_count(pdf), 4);
    QVERIFY(contains_spaced(pdf_page_text(pdf, 4), QStringLiteral("第 4 页 / 共 4 页")));

    // The margins belong to the grid they were set on.
    LaidOutSheet other(90);
    QCOMPARE(grid_page_geometry(other.grid()), PageGeometry{});
}

void PrintPreviewTest::cancelled_margins_change_nothing() {
    LaidOutSheet sheet(90);
    const auto answer = [](QDialog& dialog) {
        dialog.show();
        type_into(dialog.findChild<QSpinBox*>(QStringLiteral("数值框_上边距")),
                  QStringLiteral("999"));
        QTest::mouseClick(dialog.findChild<QPushButton*>(QStringLiteral("按钮_取消")),
                          Qt::LeftButton);
        return dialog.result() == QDialog::Accepted;
    };
    with_preview(
        sheet.grid(),
        [](PrintPreviewWindow& window) {
            click(window, "按钮_页边距");
            QCOMPARE(page_label(window), QStringLiteral("第 1 页 / 共 2 页"));
        },
        answer);
    QCOMPARE(grid_page_geometry(sheet.grid()), PageGeometry{});
}

void PrintPreviewTest::printer_settings_redraw_for_the_paper() {
    LaidOutSheet sheet(90);
    QString title;
    bool restricted = false;
    const auto answer = [&](QDialog& dialog) {
        auto* print_dialog = qobject_cast<QPrintDialog*>(&dialog);
        if (!print_dialog)
            return false;
        title = dialog.windowTitle();
        restricted = !print_dialog->testOption(QAbstractPrintDialog::PrintPageRange) &&
                     !print_dialog->testOption(QAbstractPrintDialog::PrintToFile);
        // What the user picks in the dialog: the paper turned sideways.
        print_dialog->printer()->setPageOrientation(QPageLayout::Landscape);
        return true;
    };
    with_preview(
        sheet.grid(),
        [](PrintPreviewWindow& window) {
            QCOMPARE(page_label(window), QStringLiteral("第 1 页 / 共 2 页"));
            click(window, "按钮_打印设置");
            // Sideways 2890 tenths span the 720 pixels and 1900 tenths, 473 pixels, are left for
            // rows: 14, 14 and 4 of the 32.
            QCOMPARE(page_label(window), QStringLiteral("第 1 页 / 共 3 页"));
        },
        answer);
    QCOMPARE(title, QStringLiteral("打印设置"));
    QVERIFY(restricted);
}

void PrintPreviewTest::print_button_closes_and_prints() {
    LaidOutSheet sheet(180);
    const QString pdf = dir_.filePath(QStringLiteral("from-preview.pdf"));
    bool closed = false;
    with_preview(
        sheet.grid(),
        [&](PrintPreviewWindow& window) {
            click(window, "按钮_打印");
            closed = !window.isVisible();
        },
        DialogAnswers::print_to(pdf));
    QVERIFY(closed);
    QCOMPARE(pdf_page_count(pdf), 3);
    QCOMPARE(pdf_title(pdf), QStringLiteral("Morvane1.3"));
}

QTEST_MAIN(PrintPreviewTest)
#include "print_preview_test.moc"
