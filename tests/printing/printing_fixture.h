#pragma once

#include "worksheet/grid.h"

#include <QImage>
#include <QString>
#include <QStringList>
#include <QTableView>

#include <functional>

class QDialog;

// The worksheet grid laid out for a number of questions, as the program lays it out, with
// questions, answers and marks written through the grid's operations.
class LaidOutSheet {
  public:
    explicit LaidOutSheet(int question_count);

    WorksheetGrid& grid() { return grid_; }
    // Question k counts from 1 over the whole sheet.
    void set_question(int k, const QString& text);
    // Written in blue, as the answer action does.
    void set_answer(int k, const QString& text);
    // Painted red, as grading does.
    void mark_answer_wrong(int k);
    // Every cell's text, font, alignment and colours, to show that printing changed nothing.
    QStringList snapshot() const;

  private:
    WorksheetGrid grid_;
};

// Answers every dialog of printing while it lives; the default answer prints to a PDF file.
class DialogAnswers {
  public:
    using Answer = std::function<bool(QDialog& dialog)>;
    explicit DialogAnswers(Answer answer);
    ~DialogAnswers();
    // Accepts the print dialog with a PDF file on A4 as the printer; other dialogs are refused.
    static Answer print_to(const QString& pdf_path);
    QStringList seen; // class names of the dialogs in the order they came
};

// Records the program's messages while it lives instead of showing them.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    QStringList texts;
};

// Prints the grid through print_grid with the print dialog answered by a PDF file.
void print_to_pdf(QTableView& grid, const QString& pdf_path);

// Reading a PDF back with poppler's tools.
int pdf_page_count(const QString& path);
QString pdf_title(const QString& path);
// The text of one page (from 1), with the CJK radicals Qt's PDF text map writes for some
// ideographs turned back into those ideographs.
QString pdf_page_text(const QString& path, int page);
QImage pdf_page_image(const QString& path, int page, int dpi);
// Whether text holds phrase; pdftotext drops the narrow spaces between CJK glyphs, so the
// spaces count for nothing on either side.
bool contains_spaced(const QString& text, const QString& phrase);
// The whole numbers standing alone on a page.
QList<int> numbers_on(const QString& text);
