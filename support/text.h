#pragma once

#include <QString>

#include <optional>

// Text and number services that every part of the program reads numbers and cuts texts with.
// The QStringView forms follow the same rules; they let the evaluator cut pieces without copying.
// Positions count from 1 in QString units; a search that finds nothing gives -1. A character
// never splits: "×" and "÷" are single units, and a search never starts inside a surrogate pair.

// Full-width forms become ordinary characters, leading white space is skipped, one sign is taken,
// then digits accumulate modulo 2^32 and read as a signed 32-bit number. No digit gives 0.
int text_to_int(const QString& text);
int text_to_int(QStringView text);

// Truncation toward zero; values beyond the 32-bit range are clamped to it.
int real_to_int(double value);

// "%d"
QString int_to_text(int value);

// The same "%d" digits written into a caller's buffer of at least 11 units, for loops that build
// texts by the hundred thousand and cannot afford a temporary string each; returns the count.
qsizetype write_int_text(int value, char16_t* out);

// "%.13g"
QString real_to_text(double value);

int text_length(const QString& text);

// The first or last n units; n <= 0 gives the empty text, n >= length the whole text.
QString left_part(const QString& text, int n);
QString right_part(const QString& text, int n);
QStringView left_part(QStringView text, int n);
QStringView right_part(QStringView text, int n);

// start <= 1 searches from the first unit; a start beyond the length finds nothing.
int find_first(const QString& text, const QString& marker, int start = 1, bool ignore_case = false);
int find_first(QStringView text, QStringView marker, int start = 1, bool ignore_case = false);

// Without a start the whole text is searched; with start s only its first s - 1 units.
int find_last(const QString& text, const QString& marker, std::optional<int> start = std::nullopt,
              bool ignore_case = false);
int find_last(QStringView text, QStringView marker, std::optional<int> start = std::nullopt,
              bool ignore_case = false);

// Drops every non-overlapping occurrence, scanning from the start.
QString remove_all(const QString& text, const QString& marker);

bool texts_equal(const QString& a, const QString& b);

// x - y * trunc(x / y), exact; the caller makes sure y is not 0.
double remainder_of(double x, double y);
