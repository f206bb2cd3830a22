#pragma once

// Drives the main window's controls as a person would: click into a box, type, paste, press
// Tab to leave. Messages are answered by a recorder instead of a dialog.

#include "support/message_box.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// While it lives, every message is recorded instead of shown.
class MessageRecorder {
  public:
    MessageRecorder() {
        set_message_hook([this](const QString& text) { texts << text; });
    }
    explicit MessageRecorder(std::function<void(const QString&)> also) {
        set_message_hook([this, also](const QString& text) {
            texts << text;
            also(text);
        });
    }
    ~MessageRecorder() { set_message_hook({}); }
    MessageRecorder(const MessageRecorder&) = delete;
    MessageRecorder& operator=(const MessageRecorder&) = delete;

    QStringList texts;
};

// Clicks into the box and empties it with Ctrl+A, Backspace.
inline void click_and_clear(QLineEdit* box) {
    QTest::mouseClick(box, Qt::LeftButton);
    QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(box, Qt::Key_Backspace);
}

// Types each character as a key press; those beyond Latin-1 come as the key's text alone, the
// way a keyboard layout or a dead key delivers them.
inline void type_keys(QLineEdit* box, const QString& keys) {
    for (const QChar c : keys) {
        if (c.toLatin1() != 0)
            QTest::keyClick(box, c.toLatin1());
        else
            QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, QString(c), Qt::NoModifier);
    }
}

inline void type_into(QLineEdit* box, const QString& keys) {
    click_and_clear(box);
    type_keys(box, keys);
}

inline void paste_into(QLineEdit* box, const QString& text) {
    QApplication::clipboard()->setText(text);
    click_and_clear(box);
    QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
}

// Tab moves the focus on to the next control, and so leaves the box.
inline void leave_with_tab(QWidget* control) {
    QTest::keyClick(control, Qt::Key_Tab);
}
