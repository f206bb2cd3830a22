#pragma once

#include <QProxyStyle>

// The program's own drawing of standard controls, colour scheme 3 over Fusion: push buttons,
// check boxes, radio buttons, group boxes, edit boxes, combo boxes and spin boxes. Everything
// else, the worksheet grid included, keeps Fusion's drawing.
class SchemePainter : public QProxyStyle {
    Q_OBJECT
  public:
    SchemePainter();

    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget) const override;
    void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                            QPainter* painter, const QWidget* widget) const override;
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returned) const override;
    void polish(QWidget* widget) override;
    using QProxyStyle::polish;
};

// Sets the painter on the whole application, so every window opened later gets it too.
// Switching it on a second time changes nothing.
void switch_on_painter();
