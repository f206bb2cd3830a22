#pragma once

#include <QString>

// The value of one question text such as 12+7= or 3+4×2=, read with operand_count 2 or 3. -1
// stands for "no valid value": no operator, a pattern that fits no step, an operand count other
// than 2 or 3, an inexact division, a division with a zero operand, or a result (or a first
// partial result) outside the 32-bit range. -1 is also the genuine value of texts such as 3-4=.
// The text itself is never changed.
int evaluate_expression(const QString& text, int operand_count);
