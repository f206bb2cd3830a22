#pragma once

#include <QString>

// Question texts as the pools hold them: operands in decimal, the operator symbols, a final "=".
// Built without temporary strings, because the samplers build them by the hundred thousand.

// a op b "="
QString pair_question_text(int a, QChar op, int b);

// a op1 b op2 c "=", written over the content of text; text keeps its capacity.
void write_triple_question_text(QString& text, int a, QChar op1, int b, QChar op2, int c);
