// Printing through the print dialog's seam into PDF files, read back with poppler's tools.
#include "printing_fixture.h"

#include "worksheet/printing.h"

#include <QFileInfo>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// A printer that takes the first pages and refuses the next one, as a jammed printer does.
class RefusingPrinter : public QPrinter {
  public:
    explicit RefusingPrinter(int pages_taken) : QPrinter(HighResolution), left_(pages_taken) {}
    bool newPage() override { return --left_ > 0 && QPrinter::newPage(); }

  private:
    int left_;
};

PageGeometry geometry_with(int PageGeometry::*field, int value) {
    PageGeometry geometry;
    if (field)
        geometry.*field = value;
    return geometry;
}

// The A4 arithmetic: the 720-pixel table spans 2100 - 2 × 40 = 2020 tenths of a millimetre, so a
// grid pixel is 2020 / 720 ≈ 2.806 tenths; the table band is 2970 - 200 = 2770 tenths ≈ 987.3
// grid pixels, room for the 40-pixel title and 28 rows of 33 (964), that is 29 rows.
constexpr double a4_scale = 2020.0 / 720.0;

} // namespace

class PrintingPdfTest : public QObject {
    Q_OBJECT
  private slots:
    void start_up_sheet_prints_title_headings_and_numbers();
    void pages_and_footers_follow_the_row_heights_data();
    void pages_and_footers_follow_the_row_heights();
    void rows_stay_whole_and_worksheet_pages_run_on();
    void colours_reach_the_page();
    void cancel_prints_nothing();
    void no_printer_is_reported_once();
    void refused_page_cancels_without_a_message();

  private:
    QTemporaryDir dir_;
};

void PrintingPdfTest::start_up_sheet_prints_title_headings_and_numbers() {
    LaidOutSheet sheet(90);
    const QStringList before = sheet.snapshot();
    const QString pdf = dir_.filePath(QStringLiteral("start.pdf"));
    bool dialog_restricted = false;
    {
        DialogAnswers answers([&](QDialog& dialog) {
            auto& print_dialog = static_cast<QPrintDialog&>(dialog);
            dialog_restricted = !print_dialog.testOption(QAbstractPrintDialog::PrintPageRange) &&
                                !print_dialog.testOption(QAbstractPrintDialog::PrintSelection) &&
                                !print_dialog.testOption(QAbstractPrintDialog::PrintToFile);
            return DialogAnswers::print_to(pdf)(dialog);
        });
        print_grid(sheet.grid());
        QCOMPARE(answers.seen, QStringList{QStringLiteral("QPrintDialog")});
    }
    QVERIFY(dialog_restricted);
    QCOMPARE(pdf_title(pdf), QStringLiteral("Morvane1.3"));
    QCOMPARE(pdf_page_count(pdf), 2);

    const QString first = pdf_page_text(pdf, 1);
    QVERIFY(first.contains(QStringLiteral("小学数学题题库")));
    for (const QString& heading :
         {QStringLiteral("序号"), QStringLiteral("题目"), QStringLiteral("答案")})
        QCOMPARE(first.count(heading), 3);
    QList<int> numbers = numbers_on(first) + numbers_on(pdf_page_text(pdf, 2));
    for (int k = 1; k <= 90; ++k)
        QVERIFY2(numbers.contains(k), qPrintable(QString::number(k)));
    QCOMPARE(sheet.snapshot(), before);
}

void PrintingPdfTest::pages_and_footers_follow_the_row_heights_data() {
    QTest::addColumn<int>("questions");
    QTest::addColumn<PageGeometry>("geometry");
    QTest::addColumn<int>("pages");

    QTest::newRow("90, 29 rows a page") << 90 << PageGeometry{} << 2;
    QTest::newRow("180") << 180 << PageGeometry{} << 3;
    QTest::newRow("450") << 450 << PageGeometry{} << 6;
    // 2970 - 2 × 999 - 180 = 812 tenths ≈ 289.4 pixels: the title and 7 rows, then 8 rows a page.
    PageGeometry tall_margins;
    tall_margins.top_margin = tall_margins.bottom_margin = 999;
    QTest::newRow("90, top and bottom 999") << 90 << tall_margins << 4;
    // 2100 - 2 × 500 = 1100 tenths for 720 pixels: 2770 tenths ≈ 1813 pixels, 54 rows.
    QTest::newRow("180, sides 500") << 180 << geometry_with(&PageGeometry::side_margin, 500) << 2;
    // 102 tenths for the width: the whole two-page sheet fits on one page.
    QTest::newRow("180, sides 999") << 180 << geometry_with(&PageGeometry::side_margin, 999) << 1;
    // No room left for the table: every row gets a page of its own.
    PageGeometry all_999{999, 999, 999, 999, 999, 999, 999};
    QTest::newRow("90, all 999") << 90 << all_999 << 32;
}

void PrintingPdfTest::pages_and_footers_follow_the_row_heights() {
    QFETCH(int, questions);
    QFETCH(PageGeometry, geometry);
    QFETCH(int, pages);

    LaidOutSheet sheet(questions);
    set_grid_page_geometry(sheet.grid(), geometry);
    const QString pdf = dir_.filePath(QStringLiteral("pages-%1.pdf").arg(QTest::currentDataTag()));
    print_to_pdf(sheet.grid(), pdf);

    QCOMPARE(pdf_page_count(pdf), pages);
    for (int page = 1; page <= pages; ++page) {
        const QString footer = QStringLiteral("第 %1 页 / 共 %2 页").arg(page).arg(pages);
        QVERIFY2(contains_spaced(pdf_page_text(pdf, page), footer), qPrintable(footer));
    }
}

void PrintingPdfTest::rows_stay_whole_and_worksheet_pages_run_on() {
    LaidOutSheet sheet(180);
    const QString pdf = dir_.filePath(QStringLiteral("whole-rows.pdf"));
    print_to_pdf(sheet.grid(), pdf);

    // Page 1 holds grid rows 0 to 28, whose last numbers are 79 to 81; row 29 opens page 2.
    const QList<int> first = numbers_on(pdf_page_text(pdf, 1));
    QVERIFY(first.contains(81));
    QVERIFY(!first.contains(82));
    const QString second = pdf_page_text(pdf, 2);
    QVERIFY(numbers_on(second).contains(82));
    // The second worksheet page's title (grid row 32) runs on inside printed page 2.
    QVERIFY(second.contains(QStringLiteral("小学数学题题库")));
    QVERIFY(numbers_on(second).contains(91));
}

void PrintingPdfTest::colours_reach_the_page() {
    LaidOutSheet sheet(90);
    sheet.set_question(1, QStringLiteral("7+5="));
    sheet.set_answer(1, QStringLiteral("12"));
    sheet.set_question(5, QStringLiteral("9+9="));
    sheet.mark_answer_wrong(5);
    const QString pdf = dir_.filePath(QStringLiteral("colours.pdf"));
    print_to_pdf(sheet.grid(), pdf);

    constexpr int dpi = 100;
    const QImage page = pdf_page_image(pdf, 1, dpi);
    QVERIFY(!page.isNull());
    // A cell's rectangle on the paper: 40 tenths of margin on the left, the table 100 tenths down.
    const auto cell_rect = [](int left, int top, int width, int height) {
        const auto dots = [](double tenths) { return tenths * dpi / 254.0; };
        return QRectF(dots(40 + left * a4_scale), dots(100 + top * a4_scale),
                      dots(width * a4_scale), dots(height * a4_scale))
            .toAlignedRect()
            .adjusted(3, 3, -3, -3);
    };
    const auto pixels_where = [&](const QRect& rect, auto test) {
        int found = 0;
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x)
                found += test(page.pixelColor(x, y)) ? 1 : 0;
        return found;
    };
    const auto red = [](QColor c) { return c.red() > 200 && c.green() < 60 && c.blue() < 60; };
    const auto blue = [](QColor c) { return c.blue() > 150 && c.red() < 90 && c.green() < 90; };

    // Question 5 is in grid row 3 (top 106), its answer in column 5 (left 430).
    const QRect wrong = cell_rect(430, 106, 50, 33);
    QCOMPARE(pixels_where(wrong, red), wrong.width() * wrong.height());
    // Question 1's answer, in grid row 2 (top 73) and column 2 (left 190), is written in blue.
    QVERIFY(pixels_where(cell_rect(190, 73, 50, 33), blue) > 10);
    QCOMPARE(pixels_where(cell_rect(40, 73, 150, 33), blue), 0);
    QCOMPARE(pixels_where(cell_rect(280, 106, 150, 33), red), 0);
}

void PrintingPdfTest::cancel_prints_nothing() {
    LaidOutSheet sheet(90);
    MessageRecorder messages;
    DialogAnswers answers([](QDialog&) { return false; });
    print_grid(sheet.grid());
    QCOMPARE(answers.seen, QStringList{QStringLiteral("QPrintDialog")});
    QVERIFY(messages.texts.isEmpty());
}

void PrintingPdfTest::no_printer_is_reported_once() {
    LaidOutSheet sheet(90);
    MessageRecorder messages;
    const QString pdf = dir_.filePath(QStringLiteral("no-such-folder/sheet.pdf"));
    print_to_pdf(sheet.grid(), pdf);
    QCOMPARE(messages.texts, QStringList{QStringLiteral("没有可用的打印机，无法打印。")});
    QVERIFY(!QFileInfo::exists(pdf));
}

void PrintingPdfTest::refused_page_cancels_without_a_message() {
    LaidOutSheet sheet(450);
    MessageRecorder messages;
    RefusingPrinter printer(2);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::A4));
    const QString pdf = dir_.filePath(QStringLiteral("refused.pdf"));
    printer.setOutputFileName(pdf);

    QCOMPARE(print_job(sheet.grid(), printer), PrintOutcome::cancelled);
    QVERIFY(messages.texts.isEmpty());
    // Qt's PDF engine cannot take back what it wrote; what matters is that no page followed.
    QVERIFY(pdf_page_count(pdf) <= 2);
}

QTEST_MAIN(PrintingPdfTest)
#include "printing_pdf_test.moc"
