#include "generation/question_text.h"

#include "support/text.h"

namespace {
void append_number(QString& text, int value) {
    char16_t digits[11];
    text.append(QStringView(digits, write_int_text(value, digits)));
}
} // namespace

QString pair_question_text(int a, QChar op, int b) {
    QString text;
    text.reserve(24);
    append_number(text, a);
    text.append(op);
    append_number(text, b);
    text.append(u'=');
    return text;
}

void write_triple_question_text(QString& text, int a, QChar op1, int b, QChar op2, int c) {
    text.resize(0);
    append_number(text, a);
    text.append(op1);
    append_number(text, b);
    text.append(op2);
    append_number(text, c);
    text.append(u'=');
}
