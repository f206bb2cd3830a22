#pragma once

#include <QString>
#include <QStringView>

// The two small text routines the evaluator cuts question texts with. The view forms hand out a
// piece of the text they were given, so they never copy; the QString forms return owned texts.

// The text behind the last occurrence of marker; the empty text when marker does not occur.
QString text_after(const QString& text, const QString& marker);
QStringView text_after(QStringView text, QStringView marker);

// Occurrences counted from the start without overlap; 0 for an empty text or an empty marker.
int count_occurrences(const QString& text, const QString& marker);
int count_occurrences(QStringView text, QStringView marker);
