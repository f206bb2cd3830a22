#pragma once

#include <QLineEdit>

// One of the panel's six number boxes: one line, centred, black on white. Typing lets through
// control characters and control-key combinations, "-" and the digits 0 to 9, and drops every
// other character, input-method commits included; pasting is left alone.
class ConditionBox : public QLineEdit {
    Q_OBJECT
  public:
    ConditionBox(const QString& text, QWidget* parent);

  signals:
    // The focus has moved from the box to another control of its window.
    void focus_left();

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

// The characters of text that typing may put into a box: "-" and the digits 0 to 9.
QString typable_part(const QString& text);
