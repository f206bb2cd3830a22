#include "generation/pair_pools.h"

#include "generation/attempt_limit.h"
#include "generation/question_lists.h"
#include "generation/question_text.h"
#include "support/random.h"
#include "support/text.h"

#include <cstdint>
#include <optional>
#include <utility>

namespace {

struct AnswerRange {
    int low;
    int high;
};

AnswerRange read_answer_range(const ConditionsView& conditions) {
    return {text_to_int(conditions.answer_low_text()), text_to_int(conditions.answer_high_text())};
}

// The operator's result for (a, b), exact in 64 bits, or nothing when the operand conditions
// fail. A result outside 32 bits never lies in the answer range, so it is never accepted.
std::optional<std::int64_t> pair_result(QChar op, int a, int b) {
    switch (op.unicode()) {
    case u'+':
        return std::int64_t{a} + b;
    case u'-':
        return std::int64_t{a} - b;
    case u'×':
        if (a == 0 || b == 0)
            return std::nullopt;
        return std::int64_t{a} * b;
    case u'÷':
        // Any a divides by -1 exactly; asking a % -1 in 32 bits would overflow for the smallest a.
        if (a == 0 || b == 0 || (b != -1 && a % b != 0))
            return std::nullopt;
        return std::int64_t{a} / b;
    default:
        return std::nullopt;
    }
}

bool accepted(QChar op, int a, int b, AnswerRange range) {
    const std::optional<std::int64_t> result = pair_result(op, a, b);
    return result && *result >= range.low && *result <= range.high;
}

QChar symbol_of(const QString& op) {
    return op.isEmpty() ? QChar() : op.front();
}

void enumerate_operator(const ConditionsView& conditions, QChar op) {
    const int lo = text_to_int(conditions.operand_low_text());
    const int hi = text_to_int(conditions.operand_high_text());
    const AnswerRange range = read_answer_range(conditions);
    const std::int64_t n = std::int64_t{hi} - lo + 1;
    QStringList& pool = pair_pool();
    for (std::int64_t j = 1; j <= n; ++j) {
        const int a = static_cast<int>(lo + j - 1);
        for (std::int64_t k = 1; k <= n; ++k) {
            const int b = static_cast<int>(lo + k - 1);
            if (accepted(op, a, b, range))
                pool.append(pair_question_text(a, op, b));
        }
    }
}

// Draws for one operator until the whole pool holds share_count × its size ≥ Q. The conditions
// are read once per operator: nothing can change them while a generation runs, and this loop
// makes millions of attempts when an operator is rare.
void sample_operator(const ConditionsView& conditions, QChar op, std::int64_t share_count) {
    const int lo = text_to_int(conditions.operand_low_text());
    const int hi = text_to_int(conditions.operand_high_text());
    const AnswerRange range = read_answer_range(conditions);
    const std::int64_t question_count = text_to_int(conditions.question_count_text());
    const bool larger_first = op == u'-' || op == u'÷';
    QStringList& pool = pair_pool();
    int fruitless = 0;
    do {
        int g = random_between(lo, hi);
        int h = random_between(lo, hi);
        if (larger_first && g < h)
            std::swap(g, h);
        if (accepted(op, g, h, range)) {
            pool.append(pair_question_text(g, op, h));
            fruitless = 0;
        } else if (++fruitless >= fruitless_attempt_limit) {
            return;
        }
    } while (pool.size() * share_count < question_count);
}

} // namespace

void build_pair_pool_enumerated(const ConditionsView& conditions) {
    pair_pool().clear();
    for (const QString& op : operator_list())
        enumerate_operator(conditions, symbol_of(op));
}

void build_pair_pool_sampled(const ConditionsView& conditions) {
    pair_pool().clear();
    const QStringList operators = operator_list();
    const qsizetype n = operators.size();
    for (qsizetype i = 1; i <= n; ++i)
        sample_operator(conditions, symbol_of(operators[i - 1]), n - i + 1);
}
