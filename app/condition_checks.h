#pragma once

#include <QString>

class QLineEdit;

// The largest question count a worksheet may hold: 1,112 pages of 90.
inline constexpr int largest_question_count = 100000;

// The canonical whole number of an integer box: leading white space skipped, one sign, the
// digits up to the first other character, clamped to 32 bits, no leading zeros; 0 is empty.
QString tidied_integer_text(const QString& text);

// Rewrites the box's text as tidied_integer_text gives it, when that differs.
void tidy_integer_box(QLineEdit& box);

// Below 1 or above largest_question_count: a message, then "90".
void check_question_count(QLineEdit& box);

// Outside 2 to 5: a message, then "2".
void check_operand_count(QLineEdit& box);
