// Times the pool builders and the evaluator under the conditions that matter: the defaults, the
// largest question count, and conditions that admit nothing (the builders must give up quickly).
// Prints a Markdown table for bench/README.md.

#include "evaluation/expression.h"
#include "generation/operators.h"
#include "generation/pair_pools.h"
#include "generation/question_lists.h"
#include "generation/triple_pool.h"
#include "support/conditions.h"
#include "support/random.h"

#include <QStringList>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The plain conditions, counting how often the operand range's low end is read: the triple
// builder reads it at the start of every attempt, so the count is its number of attempts.
struct CountingConditions final : ConditionsView {
    PlainConditions plain;
    mutable long long operand_low_reads = 0;

    QString question_count_text() const override { return plain.question_count; }
    QString operand_count_text() const override { return plain.operand_count; }
    QString operand_low_text() const override {
        ++operand_low_reads;
        return plain.operand_low;
    }
    QString operand_high_text() const override { return plain.operand_high; }
    QString answer_low_text() const override { return plain.answer_low; }
    QString answer_high_text() const override { return plain.answer_high; }
    bool plus_ticked() const override { return plain.plus; }
    bool minus_ticked() const override { return plain.minus; }
    bool times_ticked() const override { return plain.times; }
    bool divide_ticked() const override { return plain.divide; }
    bool grading_ticked() const override { return plain.grading; }
};

CountingConditions panel(const char* operand_low, const char* operand_high, const char* answer_low,
                         const char* answer_high, const QString& ticked,
                         const char* question_count) {
    CountingConditions c;
    c.plain.operand_low = operand_low;
    c.plain.operand_high = operand_high;
    c.plain.answer_low = answer_low;
    c.plain.answer_high = answer_high;
    c.plain.question_count = question_count;
    c.plain.plus = ticked.contains(u'+');
    c.plain.minus = ticked.contains(u'-');
    c.plain.times = ticked.contains(u'×');
    c.plain.divide = ticked.contains(u'÷');
    return c;
}

struct Timing {
    double best_ms;
    double median_ms;
};

Timing time_runs(int runs, const std::function<void()>& work) {
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        ms.push_back(std::chrono::duration<double, std::milli>(end - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return {ms.front(), ms[ms.size() / 2]};
}

void print_row(const char* what, const char* goal, Timing t, qsizetype entries,
               const QString& note = {}) {
    std::printf("| %s | %s | %.3f | %.3f | %lld | %s |\n", what, goal, t.best_ms, t.median_ms,
                static_cast<long long>(entries), qPrintable(note));
}

void bench_pair_pool(const char* what, const char* goal, CountingConditions c, bool sampled,
                     int runs) {
    rebuild_operator_list(c);
    const Timing t = time_runs(runs, [&] {
        if (sampled)
            build_pair_pool_sampled(c);
        else
            build_pair_pool_enumerated(c);
    });
    print_row(what, goal, t, pair_pool().size());
}

void bench_triple_pool(const char* what, const char* goal, CountingConditions c, int runs) {
    rebuild_operator_list(c);
    c.operand_low_reads = 0;
    const Timing t = time_runs(runs, [&] { build_triple_pool(c); });
    const double attempts = static_cast<double>(c.operand_low_reads) / runs;
    print_row(what, goal, t, triple_pool().size(),
              QStringLiteral("%1 attempts, %2 µs each")
                  .arg(attempts, 0, 'f', 0)
                  .arg(t.median_ms * 1000.0 / attempts, 0, 'f', 3));
}

void bench_evaluator(int runs) {
    const QStringList texts = {"3+4×2=", "12÷4÷3=", "2-5-3=", "9-3+2=", "17+2+1=", "12+7="};
    constexpr int rounds = 100000;
    volatile int sink = 0;
    const Timing t = time_runs(runs, [&] {
        for (int r = 0; r < rounds; ++r) {
            for (const QString& text : texts)
                sink = sink + evaluate_expression(text, 3);
        }
    });
    const double calls = static_cast<double>(rounds) * texts.size();
    print_row("evaluate_expression, three operands, 600000 calls", "-", t, 0,
              QStringLiteral("%1 µs a call").arg(t.median_ms * 1000.0 / calls, 0, 'f', 3));
}

} // namespace

int main() {
    seed_random(20240601);
    std::printf("| case | goal | best ms | median ms | entries | note |\n");
    std::printf("|---|---|---|---|---|---|\n");
    bench_pair_pool("enumerated, defaults, +", "< 1 ms", panel("0", "20", "0", "20", "+", "90"),
                    false, 200);
    bench_pair_pool("enumerated, defaults, all four", "< 1 ms",
                    panel("0", "20", "0", "20", "+-×÷", "90"), false, 200);
    bench_pair_pool("sampled, Q 100000, operands 0 to 1000, answers 0 to 2000, all four",
                    "< 100 ms", panel("0", "1000", "0", "2000", "+-×÷", "100000"), true, 7);
    bench_triple_pool("triple, Q 100000, defaults, +", "< 300 ms",
                      panel("0", "20", "0", "20", "+", "100000"), 7);
    bench_triple_pool("triple, Q 100000, defaults, all four", "-",
                      panel("0", "20", "0", "20", "+-×÷", "100000"), 3);
    bench_pair_pool("sampled gives up: operands 0 to 30, answers 100 to 200, +", "< 1 s",
                    panel("0", "30", "100", "200", "+", "90"), true, 5);
    bench_pair_pool("sampled gives up: operands -40 to 0, ×", "< 1 s",
                    panel("-40", "0", "0", "20", "×", "90"), true, 5);
    bench_triple_pool("triple gives up: operands 0 to 5, answers 100 to 200, +", "< 1 s",
                      panel("0", "5", "100", "200", "+", "90"), 5);
    bench_evaluator(7);
    return 0;
}
