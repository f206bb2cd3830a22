// Tests of the text, number and random services that every reader of a box or a question relies
// on: their edge rules decide what a question text reads as.

#include "support/random.h"
#include "support/text.h"

#include <QSet>
#include <QTest>
#include <QThread>

#include <climits>
#include <optional>

namespace {
// A character outside the 16-bit plane: two units, which no search may split.
const QString face = QString::fromUcs4(U"\U0001F600");
const QString low_half = QString(face.at(1));
} // namespace

class TestSupport : public QObject {
    Q_OBJECT

  private slots:
    void integer_value_of_text_data();
    void integer_value_of_text();
    void integer_part_of_real_data();
    void integer_part_of_real();
    void decimal_text_of_integer_data();
    void decimal_text_of_integer();
    void text_of_real_data();
    void text_of_real();
    void length_counts_units();
    void left_and_right_parts_data();
    void left_and_right_parts();
    void first_position_data();
    void first_position();
    void last_position_data();
    void last_position();
    void removal_data();
    void removal();
    void equality_data();
    void equality();
    void remainder_data();
    void remainder();
    void random_bounds_data();
    void random_bounds();
    void random_draw_advances_once();
    void random_seeding_repeats_and_clock_differs();
};

void TestSupport::integer_value_of_text_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("value");

    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("letters") << QString("abc") << 0;
    QTest::newRow("leading space") << QString(" 12") << 12;
    QTest::newRow("every blank") << QString("\t\n\v\f\r 9") << 9;
    QTest::newRow("trailing letter") << QString("12a") << 12;
    QTest::newRow("stops at a space") << QString("12 34") << 12;
    QTest::newRow("decimal point") << QString("3.7") << 3;
    QTest::newRow("minus") << QString("-5") << -5;
    QTest::newRow("plus") << QString("+7") << 7;
    QTest::newRow("exponent") << QString("1e3") << 1;
    QTest::newRow("sign then space") << QString("- 5") << 0;
    QTest::newRow("two signs") << QString("--5") << 0;
    QTest::newRow("sign alone") << QString("-") << 0;
    QTest::newRow("full-width digits") << QString("１２") << 12;
    QTest::newRow("full-width minus") << QString("－１２") << -12;
    QTest::newRow("full-width plus") << QString("＋７") << 7;
    QTest::newRow("mixed widths") << QString("１2３") << 123;
    QTest::newRow("ideographic space") << QString("　12") << 12;
    QTest::newRow("ideographic space ends digits") << QString("1　2") << 1;
    QTest::newRow("full-width letter") << QString("ａ1") << 0;
    QTest::newRow("other script digit") << QString("٣") << 0;
    QTest::newRow("superscript digit") << QString("²") << 0;
    QTest::newRow("times sign") << QString("×3") << 0;
    QTest::newRow("largest") << QString("2147483647") << INT_MAX;
    QTest::newRow("one past largest wraps") << QString("2147483648") << INT_MIN;
    QTest::newRow("smallest") << QString("-2147483648") << INT_MIN;
    QTest::newRow("one below smallest wraps") << QString("-2147483649") << INT_MAX;
    QTest::newRow("2^32 wraps to 0") << QString("4294967296") << 0;
    QTest::newRow("2^32 + 1") << QString("4294967297") << 1;
    QTest::newRow("minus 2^32 - 1") << QString("-4294967295") << 1;
    QTest::newRow("eleven digits") << QString("99999999999") << 1215752191;
    QTest::newRow("leading zeros") << QString("0007") << 7;
}

void TestSupport::integer_value_of_text() {
    QFETCH(QString, text);
    QFETCH(int, value);
    QCOMPARE(text_to_int(text), value);
    // A piece cut out of a longer text reads the same as the text on its own.
    const QString framed = QStringLiteral("[") + text + QStringLiteral("]");
    QCOMPARE(text_to_int(QStringView(framed).mid(1, text.size())), value);
}

void TestSupport::integer_part_of_real_data() {
    QTest::addColumn<double>("real");
    QTest::addColumn<int>("value");

    QTest::newRow("positive") << 3.7 << 3;
    QTest::newRow("negative") << -3.7 << -3;
    QTest::newRow("just below one") << 0.999 << 0;
    QTest::newRow("just above minus one") << -0.5 << 0;
    QTest::newRow("whole") << 42.0 << 42;
    QTest::newRow("largest") << 2147483647.0 << INT_MAX;
    QTest::newRow("smallest") << -2147483648.0 << INT_MIN;
    QTest::newRow("too large") << 1e10 << INT_MAX;
    QTest::newRow("too small") << -1e10 << INT_MIN;
}

void TestSupport::integer_part_of_real() {
    QFETCH(double, real);
    QFETCH(int, value);
    QCOMPARE(real_to_int(real), value);
}

void TestSupport::decimal_text_of_integer_data() {
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("zero") << 0 << QString("0");
    QTest::newRow("one digit") << 7 << QString("7");
    QTest::newRow("round") << 100 << QString("100");
    QTest::newRow("negative") << -5 << QString("-5");
    QTest::newRow("largest") << INT_MAX << QString("2147483647");
    QTest::newRow("smallest") << INT_MIN << QString("-2147483648");
}

void TestSupport::decimal_text_of_integer() {
    QFETCH(int, value);
    QFETCH(QString, text);
    QCOMPARE(int_to_text(value), text);

    char16_t buffer[11];
    const qsizetype n = write_int_text(value, buffer);
    QCOMPARE(QStringView(buffer, n).toString(), text);
}

void TestSupport::text_of_real_data() {
    QTest::addColumn<double>("real");
    QTest::addColumn<QString>("text");

    QTest::newRow("whole") << 6.0 << QString("6");
    QTest::newRow("three point zero") << 3.0 << QString("3");
    QTest::newRow("negative half") << -0.5 << QString("-0.5");
    QTest::newRow("negative two and a half") << -2.5 << QString("-2.5");
    QTest::newRow("tenth") << 0.1 << QString("0.1");
    QTest::newRow("zero") << 0.0 << QString("0");
    QTest::newRow("large whole") << 100000.0 << QString("100000");
    QTest::newRow("largest int") << 2147483647.0 << QString("2147483647");
    QTest::newRow("thirteen digits") << 1234567890123.0 << QString("1234567890123");
    QTest::newRow("fourteen digits drop the fraction")
        << 1234567890123.4 << QString("1234567890123");
    QTest::newRow("rounded to 13 digits") << 0.12345678901236 << QString("0.1234567890124");
    QTest::newRow("rounding up to a whole") << 1.99999999999996 << QString("2");
    QTest::newRow("fourteen-digit whole takes the exponent")
        << 12345678901234.0 << QString("1.234567890123e+13");
}

void TestSupport::text_of_real() {
    QFETCH(double, real);
    QFETCH(QString, text);
    QCOMPARE(real_to_text(real), text);
}

void TestSupport::length_counts_units() {
    QCOMPARE(text_length(QString()), 0);
    QCOMPARE(text_length(QString("×")), 1);
    QCOMPARE(text_length(QString("12÷3×2=")), 7);
    QCOMPARE(text_length(face), 2);
}

void TestSupport::left_and_right_parts_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("left");
    QTest::addColumn<QString>("right");

    const QString q("12+7=");
    QTest::newRow("zero") << q << 0 << QString() << QString();
    QTest::newRow("negative") << q << -3 << QString() << QString();
    QTest::newRow("some") << q << 2 << QString("12") << QString("7=");
    QTest::newRow("whole length") << q << 5 << q << q;
    QTest::newRow("beyond the length") << q << 10 << q << q;
    QTest::newRow("empty text") << QString() << 3 << QString() << QString();
    QTest::newRow("keeps the times sign whole")
        << QString("5×3=") << 2 << QString("5×") << QString("3=");
}

void TestSupport::left_and_right_parts() {
    QFETCH(QString, text);
    QFETCH(int, n);
    QFETCH(QString, left);
    QFETCH(QString, right);
    QCOMPARE(left_part(text, n), left);
    QCOMPARE(right_part(text, n), right);
    QCOMPARE(left_part(QStringView(text), n).toString(), left);
    QCOMPARE(right_part(QStringView(text), n).toString(), right);
}

void TestSupport::first_position_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("start");
    QTest::addColumn<bool>("ignore_case");
    QTest::addColumn<int>("position");

    QTest::newRow("times sign") << QString("5×3=") << QString("×") << 1 << false << 2;
    QTest::newRow("absent minus") << QString("5×3=") << QString("-") << 1 << false << -1;
    QTest::newRow("divide is not times") << QString("5×3=") << QString("÷") << 1 << false << -1;
    QTest::newRow("two units") << QString("5×3=") << QString("3=") << 1 << false << 3;
    QTest::newRow("start below one") << QString("3-4-5=") << QString("-") << -7 << false << 2;
    QTest::newRow("start zero") << QString("3-4-5=") << QString("-") << 0 << false << 2;
    QTest::newRow("start on a match") << QString("3-4-5=") << QString("-") << 2 << false << 2;
    QTest::newRow("start past a match") << QString("3-4-5=") << QString("-") << 3 << false << 4;
    QTest::newRow("start past the last") << QString("3-4-5=") << QString("-") << 5 << false << -1;
    QTest::newRow("start on the last unit") << QString("3-4-5=") << QString("=") << 6 << false << 6;
    QTest::newRow("start beyond the length")
        << QString("3-4-5=") << QString("=") << 7 << false << -1;
    QTest::newRow("marker longer than the rest")
        << QString("3-4") << QString("4=") << 1 << false << -1;
    QTest::newRow("overlapping text") << QString("aaa") << QString("aa") << 1 << false << 1;
    QTest::newRow("empty marker, empty text") << QString() << QString() << 1 << false << -1;
    QTest::newRow("empty marker") << QString("abc") << QString() << 1 << false << 1;
    QTest::newRow("empty marker, start inside") << QString("abc") << QString() << 3 << false << 1;
    QTest::newRow("empty marker, start beyond") << QString("abc") << QString() << 4 << false << -1;
    QTest::newRow("case differs") << QString("ABC") << QString("b") << 1 << false << -1;
    QTest::newRow("ignore case") << QString("ABC") << QString("b") << 1 << true << 2;
    QTest::newRow("ignore case, lower in text")
        << QString("xyz") << QString("YZ") << 1 << true << 2;
    QTest::newRow("ignore case keeps times and divide apart")
        << QString("5×3=") << QString("÷") << 1 << true << -1;
    QTest::newRow("ignore case folds only A to Z")
        << QString("a[") << QString("{") << 1 << true << -1;
    QTest::newRow("ignore case leaves accented letters")
        << QString("ÀB") << QString("à") << 1 << true << -1;
    QTest::newRow("never inside a pair")
        << QString("a") + face + "b" << low_half << 1 << false << -1;
    QTest::newRow("a pair found whole") << QString("a") + face + "b" << face << 1 << false << 2;
    QTest::newRow("after a pair") << face + "b" << QString("b") << 1 << false << 3;
    QTest::newRow("boundaries count from the start")
        << QString("a") + face + "b" << low_half << 3 << false << 3;
}

void TestSupport::first_position() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(int, start);
    QFETCH(bool, ignore_case);
    QFETCH(int, position);
    QCOMPARE(find_first(text, marker, start, ignore_case), position);
    QCOMPARE(find_first(QStringView(text), QStringView(marker), start, ignore_case), position);
}

void TestSupport::last_position_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<std::optional<int>>("start");
    QTest::addColumn<bool>("ignore_case");
    QTest::addColumn<int>("position");

    const std::optional<int> whole;
    const QString q("3-4-5=");
    QTest::newRow("whole text") << q << QString("-") << whole << false << 4;
    QTest::newRow("start 4 keeps 3-4") << q << QString("-") << std::optional(4) << false << 2;
    QTest::newRow("start 5 keeps 3-4-") << q << QString("-") << std::optional(5) << false << 4;
    QTest::newRow("start 2 keeps 3") << q << QString("-") << std::optional(2) << false << -1;
    QTest::newRow("start 1") << q << QString("-") << std::optional(1) << false << -1;
    QTest::newRow("start below one") << q << QString("-") << std::optional(-3) << false << -1;
    QTest::newRow("start beyond the length")
        << q << QString("-") << std::optional(100) << false << 4;
    QTest::newRow("occurrence must fit the region")
        << QString("5×3=") << QString("3=") << std::optional(4) << false << -1;
    QTest::newRow("occurrence fits the region")
        << QString("5×3=") << QString("3=") << std::optional(5) << false << 3;
    QTest::newRow("overlapping text") << QString("aaaa") << QString("aa") << whole << false << 3;
    QTest::newRow("second times sign") << QString("12×3×4") << QString("×") << whole << false << 5;
    QTest::newRow("absent") << QString("12×3×4") << QString("÷") << whole << false << -1;
    QTest::newRow("empty marker, empty text") << QString() << QString() << whole << false << -1;
    QTest::newRow("empty marker") << QString("abc") << QString() << whole << false << 1;
    QTest::newRow("empty marker, start 1")
        << QString("abc") << QString() << std::optional(1) << false << -1;
    QTest::newRow("empty marker, start 2")
        << QString("abc") << QString() << std::optional(2) << false << 1;
    QTest::newRow("case differs") << QString("aXbx") << QString("X") << whole << false << 2;
    QTest::newRow("ignore case") << QString("aXbx") << QString("X") << whole << true << 4;
    QTest::newRow("never inside a pair") << face + face << low_half << whole << false << -1;
}

void TestSupport::last_position() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(std::optional<int>, start);
    QFETCH(bool, ignore_case);
    QFETCH(int, position);
    QCOMPARE(find_last(text, marker, start, ignore_case), position);
    QCOMPARE(find_last(QStringView(text), QStringView(marker), start, ignore_case), position);
}

void TestSupport::removal_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("result");

    QTest::newRow("equals sign") << QString("12+7=") << QString("=") << QString("12+7");
    QTest::newRow("spaces") << QString("3 + 4 × 2 =") << QString(" ") << QString("3+4×2=");
    QTest::newRow("times signs") << QString("×=×") << QString("×") << QString("=");
    QTest::newRow("no overlap") << QString("aaa") << QString("aa") << QString("a");
    QTest::newRow("back to back") << QString("abab") << QString("ab") << QString();
    QTest::newRow("absent") << QString("12+7") << QString("=") << QString("12+7");
    QTest::newRow("empty text") << QString() << QString("x") << QString();
    QTest::newRow("empty marker") << QString("abc") << QString() << QString("abc");
    QTest::newRow("never inside a pair")
        << QString("a") + face + "b" << low_half << QString("a") + face + "b";
}

void TestSupport::removal() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(QString, result);
    QCOMPARE(remove_all(text, marker), result);
}

void TestSupport::equality_data() {
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("equal");

    QTest::newRow("both empty") << QString() << QString("") << true;
    QTest::newRow("empty and not") << QString() << QString("a") << false;
    QTest::newRow("same") << QString("12+7=") << QString("12+7=") << true;
    QTest::newRow("case matters") << QString("a") << QString("A") << false;
    QTest::newRow("times and divide") << QString("×") << QString("÷") << false;
    QTest::newRow("full width is another text") << QString("１") << QString("1") << false;
}

void TestSupport::equality() {
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, equal);
    QCOMPARE(texts_equal(a, b), equal);
    QCOMPARE(texts_equal(b, a), equal);
}

void TestSupport::remainder_data() {
    QTest::addColumn<double>("x");
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("result");

    QTest::newRow("7 by 3") << 7.0 << 3.0 << 1.0;
    QTest::newRow("-7 by 3 keeps the sign of x") << -7.0 << 3.0 << -1.0;
    QTest::newRow("7 by -3 keeps the sign of x") << 7.0 << -3.0 << 1.0;
    QTest::newRow("-7 by -3") << -7.0 << -3.0 << -1.0;
    QTest::newRow("7.5 by 2") << 7.5 << 2.0 << 1.5;
    QTest::newRow("exact") << 12.0 << 4.0 << 0.0;
    QTest::newRow("smaller than divisor") << 2.0 << 5.0 << 2.0;
    QTest::newRow("largest int by 2") << 2147483647.0 << 2.0 << 1.0;
    QTest::newRow("exact far beyond 32 bits") << 1e15 + 1.0 << 2.0 << 1.0;
}

void TestSupport::remainder() {
    QFETCH(double, x);
    QFETCH(double, y);
    QFETCH(double, result);
    QCOMPARE(remainder_of(x, y), result);
}

void TestSupport::random_bounds_data() {
    QTest::addColumn<int>("lo");
    QTest::addColumn<int>("hi");
    QTest::addColumn<int>("least");
    QTest::addColumn<int>("most");

    QTest::newRow("equal bounds") << 3 << 3 << 3 << 3;
    QTest::newRow("negative low to zero") << -2 << 0 << 0 << 0;
    QTest::newRow("both negative") << -5 << -1 << 0 << 0;
    QTest::newRow("negative low") << -5 << 5 << 0 << 5;
    QTest::newRow("swapped") << 5 << 1 << 1 << 5;
    QTest::newRow("swapped with a negative") << 4 << -3 << 0 << 4;
    QTest::newRow("two values") << 0 << 1 << 0 << 1;
    QTest::newRow("top of the range") << INT_MAX - 2 << INT_MAX << INT_MAX - 2 << INT_MAX;
    QTest::newRow("whole range") << INT_MIN << INT_MAX << 0 << INT_MAX;
}

void TestSupport::random_bounds() {
    QFETCH(int, lo);
    QFETCH(int, hi);
    QFETCH(int, least);
    QFETCH(int, most);
    seed_random(20240601);
    QSet<int> seen;
    for (int i = 0; i < 2000; ++i) {
        const int v = random_between(lo, hi);
        QVERIFY2(v >= least && v <= most, qPrintable(QString::number(v)));
        seen.insert(v);
    }
    const qint64 span = qint64(most) - least + 1;
    // Small ranges must reach every value; wide ones must at least spread.
    if (span <= 6)
        QCOMPARE(seen.size(), qsizetype(span));
    else
        QVERIFY(seen.size() > 1900);
}

void TestSupport::random_draw_advances_once() {
    seed_random(7);
    random_between(0, 100);
    const int second = random_between(0, 100);
    const int third = random_between(0, 100);

    // A draw over another range in between consumes exactly one step as well.
    seed_random(7);
    random_between(5, 2000000);
    QCOMPARE(random_between(0, 100), second);
    QCOMPARE(random_between(0, 100), third);
}

void TestSupport::random_seeding_repeats_and_clock_differs() {
    const auto draws = [] {
        QList<int> out;
        for (int i = 0; i < 8; ++i)
            out.append(random_between(0, 1000000));
        return out;
    };
    seed_random(99);
    const QList<int> first = draws();
    seed_random(99);
    QCOMPARE(draws(), first);

    seed_random_from_clock();
    const QList<int> run_one = draws();
    QThread::msleep(5);
    seed_random_from_clock();
    QVERIFY(draws() != run_one);
}

QTEST_GUILESS_MAIN(TestSupport)
#include "test_support.moc"
