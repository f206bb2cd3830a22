#pragma once

#include <QString>

// The generation conditions as the panel shows them at this moment. The main window implements
// it over its live controls; tests implement it over a plain struct. Texts are handed out as
// they stand: each reader turns them into numbers with text_to_int when it needs them.
class ConditionsView {
public:
    virtual ~ConditionsView() = default;

    virtual QString question_count_text() const = 0;
    virtual QString operand_count_text() const = 0;
    virtual QString operand_low_text() const = 0;
    virtual QString operand_high_text() const = 0;
    virtual QString answer_low_text() const = 0;
    virtual QString answer_high_text() const = 0;
    virtual bool plus_ticked() const = 0;
    virtual bool minus_ticked() const = 0;
    virtual bool times_ticked() const = 0;
    virtual bool divide_ticked() const = 0;
    virtual bool grading_ticked() const = 0;
};

// The panel's initial state, for tests and tools that run without a window.
struct PlainConditions final : ConditionsView {
    QString question_count = QStringLiteral("90");
    QString operand_count = QStringLiteral("2");
    QString operand_low = QStringLiteral("0");
    QString operand_high = QStringLiteral("20");
    QString answer_low = QStringLiteral("0");
    QString answer_high = QStringLiteral("20");
    bool plus = true;
    bool minus = false;
    bool times = false;
    bool divide = false;
    bool grading = false;

    QString question_count_text() const override { return question_count; }
    QString operand_count_text() const override { return operand_count; }
    QString operand_low_text() const override { return operand_low; }
    QString operand_high_text() const override { return operand_high; }
    QString answer_low_text() const override { return answer_low; }
    QString answer_high_text() const override { return answer_high; }
    bool plus_ticked() const override { return plus; }
    bool minus_ticked() const override { return minus; }
    bool times_ticked() const override { return times; }
    bool divide_ticked() const override { return divide; }
    bool grading_ticked() const override { return grading; }
};
