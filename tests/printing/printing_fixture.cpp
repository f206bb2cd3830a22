#include "printing_fixture.h"

#include "support/message_box.h"
#include "worksheet/printing.h"

#include "worksheet/layout.h"

#include <QDialog>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

QString run_tool(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

QString pdf_info_field(const QString& path, const QString& field) {
    const QString info = run_tool(QStringLiteral("pdfinfo"), {path});
    const QRegularExpression line(QStringLiteral("^%1:\\s*(.*)$").arg(field),
                                  QRegularExpression::MultilineOption);
    return line.match(info).captured(1).trimmed();
}

} // namespace

LaidOutSheet::LaidOutSheet(int question_count) {
    lay_out_worksheet(grid_, question_count);
}

namespace {

int row_of(int k) {
    const int j = (k - 1) % questions_per_page;
    return (k - 1) / questions_per_page * page_rows + j / 3 + 2;
}

int question_column_of(int k) {
    return 3 * ((k - 1) % 3) + 1;
}

} // namespace

void LaidOutSheet::set_question(int k, const QString& text) {
    grid_.set_cell_text(row_of(k), question_column_of(k), text);
    grid_.set_font_size(CellRange::cell(row_of(k), question_column_of(k)), 18);
}

void LaidOutSheet::set_answer(int k, const QString& text) {
    const CellRange cell = CellRange::cell(row_of(k), question_column_of(k) + 1);
    grid_.set_text_colour(cell, 0xFF0000);
    grid_.set_cell_text(cell.first_row, cell.first_column, text);
}

void LaidOutSheet::mark_answer_wrong(int k) {
    grid_.set_back_colour(CellRange::cell(row_of(k), question_column_of(k) + 1), 255);
}

QStringList LaidOutSheet::snapshot() const {
    QStringList cells;
    const QAbstractItemModel& model = *grid_.model();
    for (int r = 0; r < model.rowCount(); ++r)
        for (int c = 0; c < model.columnCount(); ++c) {
            const QModelIndex index = model.index(r, c);
            cells << QStringLiteral("%1|%2|%3|%4|%5|%6|%7|%8")
                         .arg(index.data(Qt::DisplayRole).toString(),
                              index.data(Qt::FontRole).toString(),
                              index.data(Qt::TextAlignmentRole).toString(),
                              index.data(Qt::ForegroundRole).toString(),
                              index.data(Qt::BackgroundRole).toString())
                         .arg(grid_.rowHeight(r))
                         .arg(grid_.columnWidth(c))
                         .arg(grid_.rowSpan(r, c) * 100 + grid_.columnSpan(r, c));
        }
    return cells;
}

DialogAnswers::DialogAnswers(Answer answer) {
    set_print_dialog_hook([this, answer = std::move(answer)](QDialog& dialog) {
        seen << QString::fromLatin1(dialog.metaObject()->className());
        return answer(dialog);
    });
}

DialogAnswers::~DialogAnswers() {
    set_print_dialog_hook({});
}

DialogAnswers::Answer DialogAnswers::print_to(const QString& pdf_path) {
    return [pdf_path](QDialog& dialog) {
        auto* print_dialog = qobject_cast<QPrintDialog*>(&dialog);
        if (!print_dialog)
            return false;
        QPrinter* printer = print_dialog->printer();
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf_path);
        printer->setPageSize(QPageSize(QPageSize::A4));
        return true;
    };
}

MessageRecorder::MessageRecorder() {
    set_message_hook([this](const QString& text) { texts << text; });
}

MessageRecorder::~MessageRecorder() {
    set_message_hook({});
}

void print_to_pdf(QTableView& grid, const QString& pdf_path) {
    DialogAnswers answers(DialogAnswers::print_to(pdf_path));
    print_grid(grid);
}

int pdf_page_count(const QString& path) {
    return pdf_info_field(path, QStringLiteral("Pages")).toInt();
}

QString pdf_title(const QString& path) {
    return pdf_info_field(path, QStringLiteral("Title"));
}

QString pdf_page_text(const QString& path, int page) {
    const QString number = QString::number(page);
    QString text =
        run_tool(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"),
                                               number, path, QStringLiteral("-")});
    // The radicals decompose to their ideographs, except 页, whose radical form does not.
    return text.normalized(QString::NormalizationForm_KC).replace(QChar(0x2EDA), QChar(0x9875));
}

QImage pdf_page_image(const QString& path, int page, int dpi) {
    QTemporaryDir dir;
    const QString number = QString::number(page);
    const QString stem = dir.filePath(QStringLiteral("page"));
    run_tool(QStringLiteral("pdftoppm"),
             {QStringLiteral("-png"), QStringLiteral("-singlefile"), QStringLiteral("-r"),
              QString::number(dpi), QStringLiteral("-f"), number, QStringLiteral("-l"), number,
              path, stem});
    return QImage(stem + QStringLiteral(".png"));
}

bool contains_spaced(const QString& text, const QString& phrase) {
    static const QRegularExpression spaces(QStringLiteral("\\s+"));
    return QString(text).remove(spaces).contains(QString(phrase).remove(spaces));
}

QList<int> numbers_on(const QString& text) {
    QList<int> numbers;
    static const QRegularExpression number(QStringLiteral("(?<![\\d+\\-×÷=])\\d+(?![\\d+\\-×÷=])"));
    for (const QRegularExpressionMatch& match : number.globalMatch(text))
        numbers << match.captured().toInt();
    return numbers;
}
