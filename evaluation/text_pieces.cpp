#include "evaluation/text_pieces.h"

#include "support/text.h"

QString text_after(const QString& text, const QString& marker) {
    return text_after(QStringView(text), QStringView(marker)).toString();
}

QStringView text_after(QStringView text, QStringView marker) {
    const int position = find_last(text, marker);
    if (position < 0)
        return {};
    const int behind = position - 1 + static_cast<int>(marker.size());
    return right_part(text, static_cast<int>(text.size()) - behind);
}

int count_occurrences(const QString& text, const QString& marker) {
    return count_occurrences(QStringView(text), QStringView(marker));
}

int count_occurrences(QStringView text, QStringView marker) {
    if (text.isEmpty() || marker.isEmpty())
        return 0;
    int count = 0;
    const int step = static_cast<int>(marker.size());
    for (int at = find_first(text, marker); at > 0; at = find_first(text, marker, at + step))
        ++count;
    return count;
}
