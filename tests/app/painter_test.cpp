#include "app/condition_box.h"
#include "app/painter.h"

#include <QApplication>
#include <QImage>
#include <QMessageBox>
#include <QPainter>
#include <QStyleOption>
#include <QTest>

namespace {
const QColor frame_colour(198, 197, 215);

// Paints one primitive of the application's style in the given state on a white image.
QImage painted(QStyle::PrimitiveElement element, QStyle::State state, QSize size = {80, 40}) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QStyleOption option;
    option.rect = QRect(QPoint(0, 0), size);
    option.state = QStyle::State_Enabled | state;
    option.palette = QApplication::palette();
    QPainter painter(&image);
    QApplication::style()->drawPrimitive(element, &option, &painter);
    return image;
}

QColor middle(const QImage& image) {
    return image.pixelColor(image.rect().center());
}

int dark_pixels_inside(const QImage& image) {
    int count = 0;
    for (int y = 2; y < image.height() - 2; ++y) {
        for (int x = 2; x < image.width() - 2; ++x)
            count += image.pixelColor(x, y).lightness() < 160 ? 1 : 0;
    }
    return count;
}
} // namespace

class PainterTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void covers_the_whole_application();
    void switching_on_twice_keeps_the_painter();
    void edit_box_frame_then_window_colour_line();
    void button_face_has_soft_corners();
    void button_face_shows_hover_and_pressed();
    void check_box_shows_its_mark();
};

void PainterTest::initTestCase() {
    switch_on_painter();
}

void PainterTest::covers_the_whole_application() {
    QVERIFY(qobject_cast<SchemePainter*>(QApplication::style()));
    // Message boxes and print dialogs opened later take the application's style.
    QMessageBox later;
    QCOMPARE(later.style(), QApplication::style());
}

void PainterTest::switching_on_twice_keeps_the_painter() {
    QStyle* first = QApplication::style();
    switch_on_painter();
    QCOMPARE(QApplication::style(), first);
}

void PainterTest::edit_box_frame_then_window_colour_line() {
    ConditionBox box(QStringLiteral("20"), nullptr);
    box.resize(40, 24);
    const QImage image = box.grab().toImage();
    const int y = image.height() / 2;
    QCOMPARE(image.pixelColor(0, y), frame_colour);
    QCOMPARE(image.pixelColor(image.width() - 1, y), frame_colour);
    QCOMPARE(image.pixelColor(image.width() / 2 - 12, 0), frame_colour);
    QCOMPARE(image.pixelColor(1, y), QColor(Qt::white));
    QCOMPARE(image.pixelColor(image.width() / 2 - 12, 1), QColor(Qt::white));
}

void PainterTest::button_face_has_soft_corners() {
    const QImage face = painted(QStyle::PE_PanelButtonCommand, {});
    QCOMPARE(face.pixelColor(0, 20), frame_colour);
    QCOMPARE(face.pixelColor(40, 0), frame_colour);
    QVERIFY(face.pixelColor(0, 0) != frame_colour);
    // Shaded: lighter at the top than at the bottom.
    QVERIFY(face.pixelColor(40, 3).lightness() > face.pixelColor(40, 36).lightness());
}

void PainterTest::button_face_shows_hover_and_pressed() {
    const QImage plain = painted(QStyle::PE_PanelButtonCommand, {});
    const QImage hot = painted(QStyle::PE_PanelButtonCommand, QStyle::State_MouseOver);
    const QImage down = painted(QStyle::PE_PanelButtonCommand, QStyle::State_Sunken);
    QVERIFY(hot.pixelColor(0, 20) != plain.pixelColor(0, 20));
    QVERIFY(middle(hot) != middle(plain));
    QVERIFY(middle(down) != middle(plain));
    QVERIFY(middle(down).lightness() < middle(plain).lightness());
}

void PainterTest::check_box_shows_its_mark() {
    const QSize size(16, 16);
    const QImage off = painted(QStyle::PE_IndicatorCheckBox, QStyle::State_Off, size);
    const QImage on = painted(QStyle::PE_IndicatorCheckBox, QStyle::State_On, size);
    QCOMPARE(off.pixelColor(0, 8), frame_colour);
    QCOMPARE(middle(off), QColor(Qt::white));
    QCOMPARE(dark_pixels_inside(off), 0);
    QVERIFY(dark_pixels_inside(on) > 8);
}

QTEST_MAIN(PainterTest)
#include "painter_test.moc"
