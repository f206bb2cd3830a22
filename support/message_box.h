#pragma once

#include <QString>

#include <functional>

// The program's one message box: the text, a single OK button, no icon, caption "信息：",
// application-modal and without an owner. Returns when the user has closed it.
void show_message(const QString& text);

// Tests answer the box here: while a hook is set it receives each text instead of a dialog.
using MessageHook = std::function<void(const QString& text)>;
void set_message_hook(MessageHook hook);
