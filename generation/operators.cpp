#include "generation/operators.h"

#include "generation/question_lists.h"

void rebuild_operator_list(const ConditionsView& conditions) {
    QStringList& list = operator_list();
    list.clear();
    if (conditions.plus_ticked())
        list.append(QStringLiteral("+"));
    if (conditions.minus_ticked())
        list.append(QStringLiteral("-"));
    if (conditions.times_ticked())
        list.append(QStringLiteral("×"));
    if (conditions.divide_ticked())
        list.append(QStringLiteral("÷"));
}
