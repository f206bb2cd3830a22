#include "evaluation/expression.h"

#include "evaluation/text_pieces.h"
#include "support/text.h"

#include <QStringView>
#include <QVarLengthArray>

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

constexpr QStringView plus_symbol = u"+";
constexpr QStringView minus_symbol = u"-";
constexpr QStringView times_symbol = u"×";
constexpr QStringView divide_symbol = u"÷";

// The two-operand rule looks for the operator in this order, whatever the positions.
constexpr std::array<QStringView, 4> operator_order = {plus_symbol, minus_symbol, times_symbol,
                                                       divide_symbol};

// Question texts are a dozen units long; the evaluator copies and rebuilds them here, on the
// stack. A longer text typed into a question cell by hand still works, from the heap.
using Buffer = QVarLengthArray<char16_t, 64>;

// Sums, differences and products of 32-bit operands are exact in 64 bits; a result outside the
// 32-bit range is no valid value. nullopt: the text has no valid value at all.
using Wide = std::optional<std::int64_t>;

bool fits_32_bits(std::int64_t v) {
    return v >= std::numeric_limits<int>::min() && v <= std::numeric_limits<int>::max();
}

int value_of(Wide w) {
    return w && fits_32_bits(*w) ? static_cast<int>(*w) : -1;
}

bool is_symbol(QChar c) {
    return c == plus_symbol[0] || c == minus_symbol[0] || c == times_symbol[0] ||
           c == divide_symbol[0];
}

// A "+" or "-" at the start of the text or right after another symbol (spaces between allowed)
// is the sign of an operand; taken for the operator, it would make -3-2 worth -2 and 3×-2 worth 1.
bool is_sign(QStringView text, qsizetype at) {
    if (text[at] != plus_symbol[0] && text[at] != minus_symbol[0])
        return false;
    qsizetype before = at;
    while (before > 0 && text[before - 1] == u' ')
        --before;
    return before == 0 || is_symbol(text[before - 1]);
}

// Position (from 1) of the first occurrence of symbol that stands as an operator, or -1.
int operator_position(QStringView text, QStringView symbol) {
    for (int at = find_first(text, symbol); at > 0; at = find_first(text, symbol, at + 1)) {
        if (!is_sign(text, at - 1))
            return at;
    }
    return -1;
}

Wide combine(QChar symbol, std::int64_t left, std::int64_t right) {
    if (symbol == plus_symbol[0])
        return left + right;
    if (symbol == minus_symbol[0])
        return left - right;
    if (symbol == times_symbol[0])
        return left * right;
    if (left == 0 || right == 0)
        return std::nullopt;
    // The remainder x - y × trunc(x / y) of whole numbers, exact in 64 bits.
    if (left % right != 0)
        return std::nullopt;
    return left / right;
}

QStringView before(QStringView text, int position) {
    return left_part(text, position - 1);
}

QStringView behind(QStringView text, int position) {
    return right_part(text, static_cast<int>(text.size()) - position);
}

// The operator is the first symbol of the fixed order that stands as an operator anywhere; the
// operands are the texts before and behind that occurrence.
Wide two_operand_value(QStringView text) {
    for (const QStringView symbol : operator_order) {
        const int at = operator_position(text, symbol);
        if (at < 0)
            continue;
        return combine(symbol[0], text_to_int(before(text, at)), text_to_int(behind(text, at)));
    }
    return std::nullopt;
}

// One symbol in the normalised three-operand text: how often, and where first.
struct Occurrences {
    int count;
    int first;
};

Occurrences occurrences_of(QStringView text, QStringView symbol) {
    return {count_occurrences(text, symbol), find_first(text, symbol)};
}

struct Census {
    Occurrences plus;
    Occurrences minus;
    Occurrences times;
    Occurrences divide;
};

// A step of the three-operand table: the piece evaluated first, and how its value v is joined
// with the symbol and the rest into the rebuilt two-operand text.
struct Step {
    QStringView piece;
    QStringView symbol;
    QStringView rest;
    bool value_first = true; // "{v} symbol rest"; otherwise "rest symbol {v}"
};

// Step 1: one symbol occurs exactly twice; the row goes by the first of ×, ÷, +, - present.
Step same_symbol_twice(QStringView t, const Census& c) {
    if (c.times.count > 0)
        return {before(t, find_last(t, times_symbol)), times_symbol, text_after(t, times_symbol)};
    if (c.divide.count > 0)
        return {before(t, find_last(t, divide_symbol)), divide_symbol,
                text_after(t, divide_symbol)};
    if (c.plus.count > 0)
        return {behind(t, c.plus.first), plus_symbol, before(t, c.plus.first)};
    return {before(t, find_last(t, minus_symbol)), minus_symbol, text_after(t, minus_symbol)};
}

// Step 2: "×" once and "÷" once; the one that comes first is done first.
Step times_and_divide(QStringView t, const Census& c) {
    if (c.divide.first < c.times.first)
        return {before(t, c.times.first), times_symbol, text_after(t, times_symbol)};
    return {before(t, c.divide.first), divide_symbol, text_after(t, divide_symbol)};
}

// Step 3: "+" once and "-" once; the one that comes first is done first.
Step plus_and_minus(QStringView t, const Census& c) {
    if (c.minus.first < c.plus.first)
        return {before(t, c.plus.first), plus_symbol, text_after(t, plus_symbol)};
    return {before(t, c.minus.first), minus_symbol, text_after(t, minus_symbol)};
}

// Steps 4 and 5: one "×" (or one "÷") with a "+" or a "-"; the product or quotient goes first.
Step product_with_sum(QStringView t, const Census& c, const Occurrences& product) {
    if (c.plus.count > 0) {
        if (c.plus.first < product.first)
            return {text_after(t, plus_symbol), plus_symbol, before(t, c.plus.first)};
        return {before(t, c.plus.first), plus_symbol, text_after(t, plus_symbol)};
    }
    if (c.minus.count == 0 || product.first > c.minus.first)
        return {text_after(t, minus_symbol), minus_symbol, before(t, c.minus.first), false};
    return {before(t, c.minus.first), minus_symbol, text_after(t, minus_symbol)};
}

std::optional<Step> matching_step(QStringView t) {
    const Census c{occurrences_of(t, plus_symbol), occurrences_of(t, minus_symbol),
                   occurrences_of(t, times_symbol), occurrences_of(t, divide_symbol)};
    if (c.plus.count == 2 || c.minus.count == 2 || c.times.count == 2 || c.divide.count == 2)
        return same_symbol_twice(t, c);
    if (c.times.count == 1 && c.divide.count == 1)
        return times_and_divide(t, c);
    if (c.plus.count == 1 && c.minus.count == 1)
        return plus_and_minus(t, c);
    if (c.times.count == 1)
        return product_with_sum(t, c, c.times);
    if (c.divide.count == 1)
        return product_with_sum(t, c, c.divide);
    return std::nullopt;
}

void append(Buffer& out, QStringView piece) {
    out.append(piece.utf16(), piece.size());
}

void append(Buffer& out, int value) {
    char16_t digits[11];
    out.append(digits, write_int_text(value, digits));
}

Wide three_operand_value(QStringView text) {
    const std::optional<Step> step = matching_step(text);
    if (!step)
        return std::nullopt;
    const Wide first = two_operand_value(step->piece);
    // A first piece with a "÷" that comes out -1 (a failed division) fails the question.
    if (find_first(step->piece, divide_symbol) > 0 && value_of(first) == -1)
        return std::nullopt;
    // A first result beyond 32 bits has no decimal text to write back.
    if (first && !fits_32_bits(*first))
        return std::nullopt;
    Buffer rebuilt;
    if (step->value_first) {
        append(rebuilt, value_of(first));
        append(rebuilt, step->symbol);
        append(rebuilt, step->rest);
    } else {
        append(rebuilt, step->rest);
        append(rebuilt, step->symbol);
        append(rebuilt, value_of(first));
    }
    return two_operand_value(QStringView(rebuilt.data(), rebuilt.size()));
}

// The evaluator's own copy: every "=" removed, and with three operands every space too. Each
// marker is a single unit, so removing it is leaving its units out.
void copy_normalised(Buffer& out, QStringView text, bool drop_spaces) {
    out.reserve(text.size());
    for (const QChar c : text) {
        if (c != u'=' && !(drop_spaces && c == u' '))
            out.append(c.unicode());
    }
}

} // namespace

int evaluate_expression(const QString& text, int operand_count) {
    if (operand_count != 2 && operand_count != 3)
        return -1;
    Buffer own;
    copy_normalised(own, text, operand_count == 3);
    const QStringView normalised(own.data(), own.size());
    return value_of(operand_count == 2 ? two_operand_value(normalised)
                                       : three_operand_value(normalised));
}
