#include "printing_fixture.h"

#include "support/message_box.h"
#include "worksheet/printing.h"

#include <QDialog>
#include <QHeaderView>
#include <QPageSize>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardItemModel>
#include <QTemporaryDir>

namespace {

constexpr int rows_per_page = 32;
constexpr int questions_per_page = 90;

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

PlainSheet::PlainSheet(int question_count) : model_(std::make_unique<QStandardItemModel>()) {
    const int pages = std::max(1, (question_count + questions_per_page - 1) / questions_per_page);
    model_->setRowCount(pages * rows_per_page);
    model_->setColumnCount(9);
    view_.setModel(model_.get());
    view_.verticalHeader()->setMinimumSectionSize(0);
    view_.horizontalHeader()->setMinimumSectionSize(0);
    for (int g = 0; g < 3; ++g) {
        view_.setColumnWidth(3 * g, 40);
        view_.setColumnWidth(3 * g + 1, 150);
        view_.setColumnWidth(3 * g + 2, 50);
    }
    const QStringList headings{QStringLiteral("序号"), QStringLiteral("题目"),
                               QStringLiteral("答案")};
    for (int r = 0; r < model_->rowCount(); ++r)
        view_.setRowHeight(r, 33);
    for (int p = 0; p < pages; ++p) {
        const int title = p * rows_per_page;
        view_.setSpan(title, 0, 1, 9);
        view_.setRowHeight(title, 40);
        set_cell(title, 0, QStringLiteral("小学数学题题库"), 26);
        QFont bold = model_->item(title, 0)->font();
        bold.setBold(true);
        model_->item(title, 0)->setFont(bold);
        for (int c = 0; c < 9; ++c)
            set_cell(title + 1, c, headings[c % 3], 18);
    }
    for (int k = 1; k <= question_count; ++k)
        set_cell(row_of(k), question_column_of(k) - 1, QString::number(k), 18);
}

PlainSheet::~PlainSheet() = default;

int PlainSheet::row_of(int k) {
    const int j = (k - 1) % questions_per_page;
    return (k - 1) / questions_per_page * rows_per_page + j / 3 + 2;
}

int PlainSheet::question_column_of(int k) {
    return 3 * ((k - 1) % 3) + 1;
}

void PlainSheet::set_cell(int row, int column, const QString& text, int pixel_size) {
    auto* item = new QStandardItem(text);
    QFont font = view_.font();
    font.setPixelSize(pixel_size);
    item->setFont(font);
    item->setTextAlignment(Qt::AlignCenter);
    model_->setItem(row, column, item);
}

void PlainSheet::set_question(int k, const QString& text) {
    model_->setItem(row_of(k), question_column_of(k), new QStandardItem(text));
}

void PlainSheet::set_answer(int k, const QString& text, const QColor& colour) {
    auto* item = new QStandardItem(text);
    item->setForeground(colour);
    model_->setItem(row_of(k), question_column_of(k) + 1, item);
}

void PlainSheet::mark_answer_wrong(int k) {
    QStandardItem* item = model_->item(row_of(k), question_column_of(k) + 1);
    if (!item) {
        item = new QStandardItem;
        model_->setItem(row_of(k), question_column_of(k) + 1, item);
    }
    item->setBackground(QColor(255, 0, 0));
}

QStringList PlainSheet::snapshot() const {
    QStringList cells;
    for (int r = 0; r < model_->rowCount(); ++r)
        for (int c = 0; c < model_->columnCount(); ++c) {
            const QModelIndex index = model_->index(r, c);
            cells << QStringLiteral("%1|%2|%3|%4|%5|%6|%7")
                         .arg(index.data(Qt::DisplayRole).toString(),
                              index.data(Qt::FontRole).toString(),
                              index.data(Qt::TextAlignmentRole).toString(),
                              index.data(Qt::ForegroundRole).toString(),
                              index.data(Qt::BackgroundRole).toString())
                         .arg(view_.rowHeight(r))
                         .arg(view_.columnWidth(c));
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
