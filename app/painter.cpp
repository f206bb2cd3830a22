#include "app/painter.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOption>

namespace {
// Colour scheme 3: a lavender-grey frame around faces shaded from near white.
struct Scheme {
    QColor frame{198, 197, 215};
    QColor frame_hot{132, 146, 214};
    QColor focus{88, 104, 186};
    QColor face_top{253, 253, 255};
    QColor face_bottom{228, 227, 239};
    QColor hot_top{255, 255, 255};
    QColor hot_bottom{214, 222, 250};
    QColor down_top{206, 205, 224};
    QColor down_bottom{232, 231, 243};
    QColor mark{52, 62, 138};
};

const Scheme& scheme() {
    static const Scheme s;
    return s;
}

constexpr qreal corner_radius = 3.0;

bool has(const QStyleOption& option, QStyle::StateFlag flag) {
    return option.state & flag;
}

bool is_pressed(const QStyleOption& option) {
    return has(option, QStyle::State_Sunken) || has(option, QStyle::State_On);
}

QColor outline_colour(const QStyleOption& option) {
    if (!has(option, QStyle::State_Enabled))
        return scheme().frame;
    if (has(option, QStyle::State_HasFocus))
        return scheme().focus;
    return has(option, QStyle::State_MouseOver) ? scheme().frame_hot : scheme().frame;
}

QLinearGradient face_gradient(const QRect& rect, const QStyleOption& option) {
    QLinearGradient gradient(rect.topLeft(), rect.bottomLeft());
    if (!has(option, QStyle::State_Enabled)) {
        gradient.setColorAt(0, scheme().face_bottom);
        gradient.setColorAt(1, scheme().face_bottom);
    } else if (is_pressed(option)) {
        gradient.setColorAt(0, scheme().down_top);
        gradient.setColorAt(1, scheme().down_bottom);
    } else if (has(option, QStyle::State_MouseOver)) {
        gradient.setColorAt(0, scheme().hot_top);
        gradient.setColorAt(1, scheme().hot_bottom);
    } else {
        gradient.setColorAt(0, scheme().face_top);
        gradient.setColorAt(1, scheme().face_bottom);
    }
    return gradient;
}

QRectF inner_pixel_rect(const QRect& rect, qreal inset) {
    return QRectF(rect).adjusted(inset + 0.5, inset + 0.5, -inset - 0.5, -inset - 0.5);
}

// A framed, shaded face with soft corners; with the focus a second line inside the frame.
void paint_button_face(const QRect& rect, const QStyleOption& option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(face_gradient(rect, option));
    painter->setPen(QPen(outline_colour(option), 1));
    painter->drawRoundedRect(inner_pixel_rect(rect, 0), corner_radius, corner_radius);
    if (has(option, QStyle::State_HasFocus) && has(option, QStyle::State_Enabled)) {
        painter->setBrush(Qt::NoBrush);
        painter->setPen(QPen(scheme().hot_bottom, 1));
        painter->drawRoundedRect(inner_pixel_rect(rect, 1), corner_radius - 1, corner_radius - 1);
    }
    painter->restore();
}

// A one-pixel frame in the scheme's frame colour, a one-pixel line in the window colour inside.
void paint_edit_frame(const QRect& rect, const QStyleOption& option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(outline_colour(option), 1));
    painter->drawRect(rect.adjusted(0, 0, -1, -1));
    painter->setPen(QPen(option.palette.color(QPalette::Base), 1));
    painter->drawRect(rect.adjusted(1, 1, -2, -2));
    painter->restore();
}

void paint_edit_panel(const QStyleOption& option, QPainter* painter) {
    painter->fillRect(option.rect, option.palette.base());
    const auto* frame = qstyleoption_cast<const QStyleOptionFrame*>(&option);
    if (frame == nullptr || frame->lineWidth > 0)
        paint_edit_frame(option.rect, option, painter);
}

void paint_check_mark(const QRectF& box, QPainter* painter) {
    QPainterPath tick;
    tick.moveTo(box.left() + box.width() * 0.22, box.top() + box.height() * 0.52);
    tick.lineTo(box.left() + box.width() * 0.42, box.top() + box.height() * 0.72);
    tick.lineTo(box.left() + box.width() * 0.78, box.top() + box.height() * 0.28);
    painter->setPen(QPen(scheme().mark, 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawPath(tick);
}

void paint_check_box(const QStyleOption& option, QPainter* painter) {
    const QRectF box = inner_pixel_rect(option.rect, 0);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(outline_colour(option), 1));
    painter->setBrush(has(option, QStyle::State_Sunken) ? QBrush(scheme().down_bottom)
                                                        : option.palette.base());
    painter->drawRoundedRect(box, 2, 2);
    if (has(option, QStyle::State_On)) {
        paint_check_mark(box, painter);
    } else if (has(option, QStyle::State_NoChange)) {
        painter->setPen(Qt::NoPen);
        painter->setBrush(scheme().mark);
        painter->drawRect(
            box.adjusted(box.width() / 4, box.height() / 4, -box.width() / 4, -box.height() / 4));
    }
    painter->restore();
}

void paint_radio_button(const QStyleOption& option, QPainter* painter) {
    const QRectF circle = inner_pixel_rect(option.rect, 0);
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setPen(QPen(outline_colour(option), 1));
    painter->setBrush(has(option, QStyle::State_Sunken) ? QBrush(scheme().down_bottom)
                                                        : option.palette.base());
    painter->drawEllipse(circle);
    if (has(option, QStyle::State_On)) {
        const qreal inset = circle.width() * 0.3;
        painter->setPen(Qt::NoPen);
        painter->setBrush(scheme().mark);
        painter->drawEllipse(circle.adjusted(inset, inset, -inset, -inset));
    }
    painter->restore();
}

void paint_group_frame(const QRect& rect, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, true);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(scheme().frame, 1));
    painter->drawRoundedRect(inner_pixel_rect(rect, 0), corner_radius, corner_radius);
    painter->restore();
}

void paint_focus_rect(const QStyleOption& option, QPainter* painter) {
    painter->save();
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QPen(scheme().focus, 1, Qt::DotLine));
    painter->drawRect(option.rect.adjusted(0, 0, -1, -1));
    painter->restore();
}

QStyleOption arrow_option(const QStyleOptionComplex& option, const QRect& rect) {
    QStyleOption arrow = option;
    arrow.rect = rect.adjusted(2, 2, -2, -2);
    return arrow;
}
} // namespace

SchemePainter::SchemePainter() : QProxyStyle(QStringLiteral("Fusion")) {}

void SchemePainter::drawPrimitive(PrimitiveElement element, const QStyleOption* option,
                                  QPainter* painter, const QWidget* widget) const {
    switch (element) {
    case PE_PanelButtonCommand:
        paint_button_face(option->rect, *option, painter);
        return;
    case PE_IndicatorCheckBox:
        paint_check_box(*option, painter);
        return;
    case PE_IndicatorRadioButton:
        paint_radio_button(*option, painter);
        return;
    case PE_FrameGroupBox:
        paint_group_frame(option->rect, painter);
        return;
    case PE_PanelLineEdit:
        paint_edit_panel(*option, painter);
        return;
    case PE_FrameLineEdit:
        paint_edit_frame(option->rect, *option, painter);
        return;
    case PE_FrameFocusRect:
        if (!qobject_cast<const QAbstractButton*>(widget))
            break;
        paint_focus_rect(*option, painter);
        return;
    default:
        break;
    }
    QProxyStyle::drawPrimitive(element, option, painter, widget);
}

namespace {
void paint_spin_box(const QStyle& style, const QStyleOptionSpinBox& option, QPainter* painter,
                    const QWidget* widget) {
    painter->fillRect(option.rect, option.palette.base());
    if (option.frame)
        paint_edit_frame(option.rect, option, painter);
    if (option.buttonSymbols == QAbstractSpinBox::NoButtons)
        return;
    const struct {
        QStyle::SubControl part;
        QStyle::PrimitiveElement arrow;
    } buttons[] = {{QStyle::SC_SpinBoxUp, QStyle::PE_IndicatorArrowUp},
                   {QStyle::SC_SpinBoxDown, QStyle::PE_IndicatorArrowDown}};
    for (const auto& button : buttons) {
        const QRect rect = style.subControlRect(QStyle::CC_SpinBox, &option, button.part, widget);
        QStyleOption face = option;
        face.state &= ~(QStyle::State_Sunken | QStyle::State_MouseOver | QStyle::State_HasFocus);
        if (option.activeSubControls & button.part)
            face.state |= option.state & (QStyle::State_Sunken | QStyle::State_MouseOver);
        paint_button_face(rect, face, painter);
        const QStyleOption arrow = arrow_option(option, rect);
        style.drawPrimitive(button.arrow, &arrow, painter, widget);
    }
}

// The caption sits in a gap of the frame's top line, a little in from the left.
void paint_group_box(const QStyle& style, const QStyleOptionGroupBox& option, QPainter* painter) {
    const QFontMetrics metrics = option.fontMetrics;
    const QRect caption(option.rect.left() + 8, option.rect.top(),
                        metrics.horizontalAdvance(option.text) + 6, metrics.height());
    QRect frame = option.rect;
    frame.setTop(caption.center().y());
    painter->save();
    if (!option.text.isEmpty())
        painter->setClipRegion(QRegion(option.rect).subtracted(caption));
    paint_group_frame(frame, painter);
    painter->restore();
    style.drawItemText(painter, caption, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette,
                       option.state & QStyle::State_Enabled, option.text, QPalette::WindowText);
}

void paint_combo_box(const QStyle& style, const QStyleOptionComboBox& option, QPainter* painter,
                     const QWidget* widget) {
    if (option.editable) {
        painter->fillRect(option.rect, option.palette.base());
        paint_edit_frame(option.rect, option, painter);
    } else {
        paint_button_face(option.rect, option, painter);
    }
    const QRect rect =
        style.subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, widget);
    painter->save();
    painter->setPen(QPen(scheme().frame, 1));
    painter->drawLine(rect.topLeft() + QPoint(0, 3), rect.bottomLeft() - QPoint(0, 3));
    painter->restore();
    const QStyleOption arrow = arrow_option(option, rect);
    style.drawPrimitive(QStyle::PE_IndicatorArrowDown, &arrow, painter, widget);
}
} // namespace

void SchemePainter::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                       QPainter* painter, const QWidget* widget) const {
    if (control == CC_SpinBox) {
        if (const auto* spin = qstyleoption_cast<const QStyleOptionSpinBox*>(option)) {
            paint_spin_box(*this, *spin, painter, widget);
            return;
        }
    }
    if (control == CC_GroupBox) {
        const auto* group = qstyleoption_cast<const QStyleOptionGroupBox*>(option);
        if (group != nullptr && !(group->subControls & SC_GroupBoxCheckBox)) {
            paint_group_box(*this, *group, painter);
            return;
        }
    }
    if (control == CC_ComboBox) {
        if (const auto* combo = qstyleoption_cast<const QStyleOptionComboBox*>(option)) {
            paint_combo_box(*this, *combo, painter, widget);
            return;
        }
    }
    QProxyStyle::drawComplexControl(control, option, painter, widget);
}

// The message box's OK button shows its caption alone, as the message shows no icon.
int SchemePainter::styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                             QStyleHintReturn* returned) const {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons)
        return 0;
    return QProxyStyle::styleHint(hint, option, widget, returned);
}

void SchemePainter::polish(QWidget* widget) {
    QProxyStyle::polish(widget);
    // Fusion leaves line edits out of hover tracking; the painter's edit frame lights up too.
    if (qobject_cast<QLineEdit*>(widget))
        widget->setAttribute(Qt::WA_Hover, true);
}

void switch_on_painter() {
    if (qobject_cast<SchemePainter*>(QApplication::style()) == nullptr)
        QApplication::setStyle(new SchemePainter);
}
