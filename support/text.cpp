#include "support/text.h"

#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// Full-width forms U+FF01..U+FF5E map onto ASCII; the ideographic space becomes a space.
char16_t narrowed(QChar c) {
    const char16_t u = c.unicode();
    if (u >= 0xFF01 && u <= 0xFF5E)
        return static_cast<char16_t>(u - 0xFEE0);
    if (u == 0x3000)
        return u' ';
    return u;
}

bool is_blank(char16_t u) {
    return u == u' ' || u == u'\t' || u == u'\n' || u == u'\v' || u == u'\f' || u == u'\r';
}

char16_t ascii_lower(char16_t u) { return (u >= u'A' && u <= u'Z') ? u + (u'a' - u'A') : u; }

bool matches_at(QStringView text, qsizetype at, qsizetype end, QStringView marker,
                bool ignore_case) {
    if (at + marker.size() > end)
        return false;
    for (qsizetype k = 0; k < marker.size(); ++k) {
        char16_t a = text[at + k].unicode();
        char16_t b = marker[k].unicode();
        if (ignore_case) {
            a = ascii_lower(a);
            b = ascii_lower(b);
        }
        if (a != b)
            return false;
    }
    return true;
}

// Width of the character at i: a surrogate pair is one character of two units.
qsizetype char_width(QStringView text, qsizetype i) {
    return (text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) ? 2
                                                                                             : 1;
}

} // namespace

int text_to_int(const QString& text) {
    return text_to_int(QStringView(text));
}

int text_to_int(QStringView text) {
    qsizetype i = 0;
    const qsizetype n = text.size();
    while (i < n && is_blank(narrowed(text[i])))
        ++i;
    bool negative = false;
    if (i < n && (narrowed(text[i]) == u'+' || narrowed(text[i]) == u'-')) {
        negative = narrowed(text[i]) == u'-';
        ++i;
    }
    std::uint32_t value = 0;
    for (; i < n; ++i) {
        const char16_t u = narrowed(text[i]);
        if (u < u'0' || u > u'9')
            break;
        value = value * 10u + static_cast<std::uint32_t>(u - u'0');
    }
    if (negative)
        value = 0u - value;
    return static_cast<std::int32_t>(value);
}

int real_to_int(double value) {
    if (std::isnan(value))
        return 0;
    const double t = std::trunc(value);
    if (t >= static_cast<double>(std::numeric_limits<int>::max()))
        return std::numeric_limits<int>::max();
    if (t <= static_cast<double>(std::numeric_limits<int>::min()))
        return std::numeric_limits<int>::min();
    return static_cast<int>(t);
}

QString int_to_text(int value) { return QString::number(value); }

qsizetype write_int_text(int value, char16_t* out) {
    // Through the unsigned magnitude, so that the smallest int has a magnitude too.
    std::uint32_t magnitude =
        value < 0 ? 0u - static_cast<std::uint32_t>(value) : static_cast<std::uint32_t>(value);
    char16_t reversed[10];
    qsizetype digits = 0;
    do {
        reversed[digits++] = static_cast<char16_t>(u'0' + magnitude % 10u);
        magnitude /= 10u;
    } while (magnitude != 0);
    qsizetype n = 0;
    if (value < 0)
        out[n++] = u'-';
    while (digits > 0)
        out[n++] = reversed[--digits];
    return n;
}

QString real_to_text(double value) { return QString::asprintf("%.13g", value); }

int text_length(const QString& text) { return static_cast<int>(text.size()); }

QString left_part(const QString& text, int n) {
    return n <= 0 ? QString() : text.left(n);
}

QString right_part(const QString& text, int n) {
    return n <= 0 ? QString() : text.right(n);
}

QStringView left_part(QStringView text, int n) {
    return n <= 0 ? QStringView() : text.left(n);
}

QStringView right_part(QStringView text, int n) {
    return n <= 0 ? QStringView() : text.right(n);
}

int find_first(const QString& text, const QString& marker, int start, bool ignore_case) {
    return find_first(QStringView(text), QStringView(marker), start, ignore_case);
}

int find_first(QStringView text, QStringView marker, int start, bool ignore_case) {
    const qsizetype end = text.size();
    const qsizetype from = start <= 1 ? 0 : start - 1;
    if (from >= end)
        return -1;
    if (marker.isEmpty())
        return 1;
    for (qsizetype i = from; i < end; i += char_width(text, i)) {
        if (matches_at(text, i, end, marker, ignore_case))
            return static_cast<int>(i + 1);
    }
    return -1;
}

int find_last(const QString& text, const QString& marker, std::optional<int> start,
              bool ignore_case) {
    return find_last(QStringView(text), QStringView(marker), start, ignore_case);
}

int find_last(QStringView text, QStringView marker, std::optional<int> start, bool ignore_case) {
    qsizetype end = text.size();
    if (start) {
        if (*start <= 1)
            return -1;
        end = std::min<qsizetype>(end, *start - 1);
    }
    if (end <= 0)
        return -1;
    if (marker.isEmpty())
        return 1;
    int found = -1;
    for (qsizetype i = 0; i < end; i += char_width(text, i)) {
        if (matches_at(text, i, end, marker, ignore_case))
            found = static_cast<int>(i + 1);
    }
    return found;
}

QString remove_all(const QString& text, const QString& marker) {
    if (text.isEmpty() || marker.isEmpty())
        return text;
    QString out;
    out.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        if (matches_at(text, i, text.size(), marker, false)) {
            i += marker.size();
            continue;
        }
        const qsizetype w = char_width(text, i);
        out.append(text.mid(i, w));
        i += w;
    }
    return out;
}

bool texts_equal(const QString& a, const QString& b) { return a == b; }

double remainder_of(double x, double y) { return std::fmod(x, y); }
