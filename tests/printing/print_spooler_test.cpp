// Printing through a real print spooler: a private cupsd with a cups-pdf queue, started for this
// test by scripts/cups-test-queue.sh and stopped at its end. The program's own print path sends
// the job; the print dialog is answered by the seam with the queue's name.
#include "printing_fixture.h"

#include "worksheet/printing.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <unistd.h>

namespace {

constexpr int image_dpi = 200;
// The footer band of an A4 page at image_dpi: from 80 to 20 tenths of a millimetre above the foot.
const QRect footer_band(0, (2970 - 80) * image_dpi / 254, 2100 * image_dpi / 254,
                        60 * image_dpi / 254);
const QRect whole_page(0, 0, 2100 * image_dpi / 254, 2970 * image_dpi / 254);

bool ink_near(const QImage& image, int x, int y) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            if (image.valid(x + dx, y + dy) && qGray(image.pixel(x + dx, y + dy)) < 160)
                return true;
    return false;
}

// The share of the dark pixels in region of either picture with no dark pixel near them in the
// other: the two renderers round and smooth differently, by a pixel or so.
double share_of_unmatched_ink(const QImage& a, const QImage& b, const QRect& region) {
    if (a.isNull() || a.size() != b.size())
        return 1.0;
    const QRect area = region & a.rect();
    int ink = 0;
    int unmatched = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const bool in_a = qGray(a.pixel(x, y)) < 96;
            const bool in_b = qGray(b.pixel(x, y)) < 96;
            ink += (in_a ? 1 : 0) + (in_b ? 1 : 0);
            unmatched +=
                (in_a && !ink_near(b, x, y) ? 1 : 0) + (in_b && !ink_near(a, x, y) ? 1 : 0);
        }
    return ink == 0 ? 1.0 : double(unmatched) / ink;
}

} // namespace

class PrintSpoolerTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void sheet_reaches_the_queue_as_one_named_job();

  private:
    int run_script(const QString& command, QString* errors = nullptr);
    QString wait_for_output();

    QTemporaryDir dir_;
    QString queue_ = QStringLiteral("mv%1").arg(getpid());
    bool started_ = false;
};

int PrintSpoolerTest::run_script(const QString& command, QString* errors) {
    QProcess script;
    script.start(QStringLiteral("bash"),
                 {QStringLiteral(CUPS_TEST_QUEUE_SCRIPT), command, dir_.path(), queue_});
    script.waitForFinished(60000);
    if (errors)
        *errors = QString::fromUtf8(script.readAllStandardError()).trimmed();
    return script.exitStatus() == QProcess::NormalExit ? script.exitCode() : -1;
}

void PrintSpoolerTest::initTestCase() {
    if (geteuid() != 0)
        QSKIP("the print spooler test starts its own cupsd, which runs cups-pdf as root: run "
              "it as root (./test does)");
    QString errors;
    const int status = run_script(QStringLiteral("start"), &errors);
    if (status == 2)
        QSKIP(qPrintable(QStringLiteral("the print spooler cannot be started: ") + errors));
    QVERIFY2(status == 0, qPrintable(QStringLiteral("cupsd did not start: ") + errors));
    started_ = true;
    // Before anything in this process asks CUPS for printers.
    qputenv("CUPS_SERVER", QDir(dir_.path()).filePath(QStringLiteral("cups.sock")).toLocal8Bit());
}

void PrintSpoolerTest::cleanupTestCase() {
    if (started_)
        QCOMPARE(run_script(QStringLiteral("stop")), 0);
}

// cups-pdf writes the file once the spooler has run the job through its filters.
QString PrintSpoolerTest::wait_for_output() {
    const QDir out(QDir(dir_.path()).filePath(QStringLiteral("out")));
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 90000) {
        QProcess lpstat;
        lpstat.start(QStringLiteral("lpstat"), {QStringLiteral("-o"), queue_});
        lpstat.waitForFinished(10000);
        const QStringList files = out.entryList({QStringLiteral("*.pdf")}, QDir::Files);
        if (lpstat.readAllStandardOutput().trimmed().isEmpty() && !files.isEmpty())
            return out.filePath(files.first());
        QTest::qWait(200);
    }
    return {};
}

void PrintSpoolerTest::sheet_reaches_the_queue_as_one_named_job() {
    LaidOutSheet sheet(180);
    for (int k = 1; k <= 180; ++k)
        sheet.set_question(k, QStringLiteral("%1+%2=").arg(k % 10).arg(k % 7));
    MessageRecorder messages;
    QStringList queues_offered;
    {
        DialogAnswers answers([&](QDialog& dialog) {
            QPrinter* printer = static_cast<QPrintDialog&>(dialog).printer();
            printer->setPrinterName(queue_);
            printer->setPageSize(QPageSize(QPageSize::A4));
            return printer->outputFormat() == QPrinter::NativeFormat && printer->isValid();
        });
        print_grid(sheet.grid());
        QCOMPARE(answers.seen, QStringList{QStringLiteral("QPrintDialog")});
    }
    QVERIFY(messages.texts.isEmpty());

    const QString pdf = wait_for_output();
    QVERIFY2(!pdf.isEmpty(), "cups-pdf wrote no file");
    // cups-pdf names the file after the job's title, without what it takes for an extension
    // (".3"), and adds the job's number.
    const QString name = QFileInfo(pdf).fileName();
    QVERIFY2(QRegularExpression(QStringLiteral("^Morvane1(\\.3)?-job_\\d+\\.pdf$"))
                 .match(name)
                 .hasMatch(),
             qPrintable(name));
    QCOMPARE(QDir(QFileInfo(pdf).path()).entryList({QStringLiteral("*.pdf")}).size(), 1);
    // Through PostScript the title keeps the parentheses of its string literal.
    QCOMPARE(pdf_title(pdf), QStringLiteral("(Morvane1.3)"));
    QCOMPARE(pdf_page_count(pdf), 3);
    // Through PostScript and Ghostscript the text loses its map back to characters, so the pages
    // are compared as pictures with the same sheet printed straight to a PDF file, whose footers
    // are read as text.
    const QString direct = dir_.filePath(QStringLiteral("direct.pdf"));
    print_to_pdf(sheet.grid(), direct);
    for (int page = 1; page <= 3; ++page) {
        const QString footer = QStringLiteral("第 %1 页 / 共 3 页").arg(page);
        QVERIFY2(contains_spaced(pdf_page_text(direct, page), footer), qPrintable(footer));
    }
    for (int page = 1; page <= 3; ++page) {
        const QImage spooled = pdf_page_image(pdf, page, image_dpi);
        QVERIFY(share_of_unmatched_ink(spooled, pdf_page_image(direct, page, image_dpi),
                                       footer_band) < 0.001);
        QVERIFY(share_of_unmatched_ink(spooled, pdf_page_image(direct, page, image_dpi),
                                       whole_page) < 0.005);
        // The comparison tells the footers apart: another page's differs.
        QVERIFY(share_of_unmatched_ink(spooled, pdf_page_image(direct, page % 3 + 1, image_dpi),
                                       footer_band) > 0.004);
    }
}

QTEST_MAIN(PrintSpoolerTest)
#include "print_spooler_test.moc"
