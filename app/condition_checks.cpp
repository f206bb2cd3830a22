#include "app/condition_checks.h"

#include "support/message_box.h"
#include "support/text.h"

#include <QLineEdit>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {
bool is_c_space(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\n' || c == u'\v' || c == u'\f' || c == u'\r';
}

bool is_ascii_digit(QChar c) {
    return c >= u'0' && c <= u'9';
}
} // namespace

QString tidied_integer_text(const QString& text) {
    qsizetype i = 0;
    while (i < text.size() && is_c_space(text[i]))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        negative = text[i++] == u'-';
    // Growing past 2^31 cannot change the clamped result, so the value stops there.
    constexpr std::int64_t ceiling = std::int64_t{1} << 31;
    std::int64_t value = 0;
    for (; i < text.size() && is_ascii_digit(text[i]); ++i)
        value = std::min(value * 10 + (text[i].unicode() - u'0'), ceiling);
    if (negative)
        value = -value;
    value = std::clamp<std::int64_t>(value, std::numeric_limits<int>::min(),
                                     std::numeric_limits<int>::max());
    return value == 0 ? QString() : QString::number(value);
}

void tidy_integer_box(QLineEdit& box) {
    const QString tidied = tidied_integer_text(box.text());
    if (tidied != box.text())
        box.setText(tidied);
}

void check_question_count(QLineEdit& box) {
    const int count = text_to_int(box.text());
    if (count < 1)
        show_message(QStringLiteral("题目数量不能小于1"));
    else if (count > largest_question_count)
        show_message(QStringLiteral("题目数量不能大于%1").arg(largest_question_count));
    else
        return;
    box.setText(QStringLiteral("90"));
}

void check_operand_count(QLineEdit& box) {
    const int count = text_to_int(box.text());
    if (count >= 2 && count <= 5)
        return;
    show_message(QStringLiteral("只支持2到5"));
    box.setText(QStringLiteral("2"));
}
