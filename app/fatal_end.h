#pragma once

#include <QString>

// The one way out for what the program cannot recover from: a modal message with an OK button,
// then exit code -1. The exit routines do not run, so the question lists are not released.
[[noreturn]] void end_fatally(const QString& text);

QString out_of_memory_text();
QString no_window_text();

// Keeps a small reserve and a new-handler that gives it back and ends fatally, so the message
// still has memory to be shown with when operator new finds none.
void install_out_of_memory_handler();
