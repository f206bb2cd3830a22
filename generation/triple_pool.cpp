#include "generation/triple_pool.h"

#include "evaluation/expression.h"
#include "generation/attempt_limit.h"
#include "generation/question_lists.h"
#include "generation/question_text.h"
#include "support/random.h"
#include "support/text.h"

namespace {

QChar random_operator(const QStringList& operators) {
    const QString& op = operators[random_between(1, static_cast<int>(operators.size())) - 1];
    return op.isEmpty() ? QChar() : op.front();
}

// One attempt: five draws in the order a, b, c, first operator, second operator, with the
// operand range read afresh, written into candidate.
void draw_candidate(const ConditionsView& conditions, const QStringList& operators,
                    QString& candidate) {
    const int lo = text_to_int(conditions.operand_low_text());
    const int hi = text_to_int(conditions.operand_high_text());
    const int a = random_between(lo, hi);
    const int b = random_between(lo, hi);
    const int c = random_between(lo, hi);
    const QChar op1 = random_operator(operators);
    const QChar op2 = random_operator(operators);
    write_triple_question_text(candidate, a, op1, b, op2, c);
}

bool acceptable(const ConditionsView& conditions, const QString& candidate) {
    const int value = evaluate_expression(candidate, 3);
    return value >= 0 && value >= text_to_int(conditions.answer_low_text()) &&
           value <= text_to_int(conditions.answer_high_text());
}

} // namespace

void build_triple_pool(const ConditionsView& conditions) {
    QStringList& pool = triple_pool();
    pool.clear();
    const QStringList& operators = operator_list();
    if (operators.isEmpty())
        return;
    // One buffer for every candidate; only an accepted one is copied into the pool.
    QString candidate;
    candidate.reserve(40);
    int fruitless = 0;
    do {
        draw_candidate(conditions, operators, candidate);
        if (acceptable(conditions, candidate)) {
            pool.append(QString(candidate.constData(), candidate.size()));
            fruitless = 0;
        } else if (++fruitless >= fruitless_attempt_limit) {
            return;
        }
    } while (pool.size() < text_to_int(conditions.question_count_text()));
}
