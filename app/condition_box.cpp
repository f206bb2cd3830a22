#include "app/condition_box.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPalette>

#include <limits>

namespace {
bool is_typable(QChar c) {
    return c == u'-' || (c >= u'0' && c <= u'9');
}

// Below 32 are Backspace and the Ctrl+letter codes; 127 is the code the Delete key brings.
bool is_control_code(QChar c) {
    return c.unicode() < 32 || c.unicode() == 127;
}

bool box_handles_itself(const QKeyEvent& event) {
    const QString text = event.text();
    return text.isEmpty() || is_control_code(text.front()) ||
           event.modifiers().testFlag(Qt::ControlModifier);
}
} // namespace

QString typable_part(const QString& text) {
    QString kept;
    for (const QChar c : text) {
        if (is_typable(c))
            kept += c;
    }
    return kept;
}

ConditionBox::ConditionBox(const QString& text, QWidget* parent) : QLineEdit(text, parent) {
    setAlignment(Qt::AlignCenter);
    setMaxLength(std::numeric_limits<int>::max());
    QPalette colours = palette();
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    setPalette(colours);
}

void ConditionBox::keyPressEvent(QKeyEvent* event) {
    if (box_handles_itself(*event)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    const QString kept = typable_part(event->text());
    if (kept == event->text())
        QLineEdit::keyPressEvent(event);
    else if (!kept.isEmpty())
        insert(kept);
}

void ConditionBox::inputMethodEvent(QInputMethodEvent* event) {
    const QString kept = typable_part(event->commitString());
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    // The composition ends here; only what could have been typed reaches the text.
    QInputMethodEvent filtered;
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

void ConditionBox::focusOutEvent(QFocusEvent* event) {
    QLineEdit::focusOutEvent(event);
    // Only a move to another control leaves the box. Its own context menu (to paste, say),
    // another window taking over (a message box among them) and the window closing do not:
    // the focus comes back to the box, or the box goes with its window.
    if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason)
        emit focus_left();
}
