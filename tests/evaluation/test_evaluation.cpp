// Tests of the expression evaluator: the value it gives a question text is the answer written on
// a child's sheet, so every rule of the two-operand reading and of the three-operand table is
// checked, and the whole grid of small questions is compared with plain arithmetic.

#include "evaluation/expression.h"
#include "evaluation/text_pieces.h"

#include <QTest>

#include <climits>
#include <cstdint>
#include <optional>

namespace {

const QString face = QString::fromUcs4(U"\U0001F600");

// Plain arithmetic over integers: "×" and "÷" before "+" and "-", left to right within a level.
// A division needs two non-zero operands and must come out exact; nullopt means no valid value.
std::optional<std::int64_t> apply(QChar op, std::int64_t a, std::int64_t b) {
    switch (op.unicode()) {
    case u'+':
        return a + b;
    case u'-':
        return a - b;
    case u'×':
        return a * b;
    default:
        if (a == 0 || b == 0 || a % b != 0)
            return std::nullopt;
        return a / b;
    }
}

bool binds_tighter(QChar op) {
    return op == u'×' || op == u'÷';
}

std::optional<std::int64_t> plain_value(int a, QChar op1, int b, QChar op2, int c) {
    if (binds_tighter(op2) && !binds_tighter(op1)) {
        const auto right = apply(op2, b, c);
        return right ? apply(op1, a, *right) : std::nullopt;
    }
    const auto left = apply(op1, a, b);
    return left ? apply(op2, *left, c) : std::nullopt;
}

int as_question_value(std::optional<std::int64_t> v) {
    return v && *v >= INT_MIN && *v <= INT_MAX ? static_cast<int>(*v) : -1;
}

const QChar operators[] = {u'+', u'-', u'×', u'÷'};

} // namespace

class TestEvaluation : public QObject {
    Q_OBJECT

  private slots:
    void value_data();
    void value();
    void leaves_the_text_unchanged();
    void two_operands_match_plain_arithmetic();
    void three_operands_match_plain_arithmetic();
    void text_after_marker_data();
    void text_after_marker();
    void count_occurrences_of_marker_data();
    void count_occurrences_of_marker();
};

void TestEvaluation::value_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("operand_count");
    QTest::addColumn<int>("value");

    // Two operands.
    QTest::newRow("12+7=") << QString("12+7=") << 2 << 19;
    QTest::newRow("without =") << QString("12+7") << 2 << 19;
    QTest::newRow("7-9=") << QString("7-9=") << 2 << -2;
    QTest::newRow("3-4= is a genuine -1") << QString("3-4=") << 2 << -1;
    QTest::newRow("0×5=") << QString("0×5=") << 2 << 0;
    QTest::newRow("12÷4=") << QString("12÷4=") << 2 << 3;
    QTest::newRow("6÷4= inexact") << QString("6÷4=") << 2 << -1;
    QTest::newRow("0÷5= zero operand") << QString("0÷5=") << 2 << -1;
    QTest::newRow("5÷0= zero operand") << QString("5÷0=") << 2 << -1;
    QTest::newRow("spaces kept with two") << QString("5 + 3") << 2 << 8;
    QTest::newRow("empty") << QString() << 2 << -1;
    QTest::newRow("no operator") << QString("12=") << 2 << -1;
    QTest::newRow("letters") << QString("abc") << 2 << -1;
    QTest::newRow("operand count 4") << QString("12+7=") << 4 << -1;
    QTest::newRow("operand count 1") << QString("12+7=") << 1 << -1;
    QTest::newRow("operand count 0") << QString("12+7=") << 0 << -1;
    QTest::newRow("plus chosen though minus stands first") << QString("7-2+1") << 2 << 8;
    QTest::newRow("minus chosen though divide stands first") << QString("8÷2-1") << 2 << 7;
    QTest::newRow("1+2×3 read with two") << QString("1+2×3") << 2 << 3;
    QTest::newRow("right operand behind the operator itself") << QString("1+2+3") << 2 << 3;

    // Signed operands: a leading sign, or one right after a symbol, belongs to the operand.
    QTest::newRow("-3+2") << QString("-3+2=") << 2 << -1;
    QTest::newRow("-3-2") << QString("-3-2=") << 2 << -5;
    QTest::newRow("-3×2") << QString("-3×2=") << 2 << -6;
    QTest::newRow("-6÷3") << QString("-6÷3=") << 2 << -2;
    QTest::newRow("3×-2") << QString("3×-2=") << 2 << -6;
    QTest::newRow("3--2") << QString("3--2=") << 2 << 5;
    QTest::newRow("3+-2") << QString("3+-2=") << 2 << 1;
    QTest::newRow("3-+2") << QString("3-+2=") << 2 << 1;
    QTest::newRow("-6÷-3") << QString("-6÷-3=") << 2 << 2;
    QTest::newRow("sign after spaces") << QString("3 × -2") << 2 << -6;
    QTest::newRow("spaced minus is the operator") << QString("3 - 2") << 2 << 1;
    QTest::newRow("sign alone") << QString("-3=") << 2 << -1;

    // Two operands at the edges of 32 bits.
    QTest::newRow("largest sum") << QString("2147483646+1=") << 2 << INT_MAX;
    QTest::newRow("sum one too large") << QString("2147483647+1=") << 2 << -1;
    QTest::newRow("smallest difference") << QString("-2147483647-1=") << 2 << INT_MIN;
    QTest::newRow("difference one too small") << QString("-2147483648-1=") << 2 << -1;
    QTest::newRow("largest product") << QString("65535×32768=") << 2 << 2147450880;
    QTest::newRow("product 2^31") << QString("65536×32768=") << 2 << -1;
    QTest::newRow("product -2^31") << QString("-65536×32768=") << 2 << INT_MIN;
    QTest::newRow("largest squared") << QString("2147483647×2147483647=") << 2 << -1;
    QTest::newRow("smallest by -1") << QString("-2147483648÷-1=") << 2 << -1;
    QTest::newRow("smallest by 1") << QString("-2147483648÷1=") << 2 << INT_MIN;

    // Three operands, the same operator twice.
    QTest::newRow("2×3×4") << QString("2×3×4") << 3 << 24;
    QTest::newRow("12÷4÷3") << QString("12÷4÷3") << 3 << 1;
    QTest::newRow("12÷4÷2 second inexact") << QString("12÷4÷2") << 3 << -1;
    QTest::newRow("7÷2÷1 first inexact") << QString("7÷2÷1") << 3 << -1;
    QTest::newRow("1+2+3") << QString("1+2+3") << 3 << 6;
    QTest::newRow("9-3-2") << QString("9-3-2") << 3 << 4;
    // "×" with "÷".
    QTest::newRow("6÷3×2") << QString("6÷3×2") << 3 << 4;
    QTest::newRow("6÷4×2") << QString("6÷4×2") << 3 << -1;
    QTest::newRow("2×6÷4") << QString("2×6÷4") << 3 << 3;
    QTest::newRow("2×3÷4") << QString("2×3÷4") << 3 << -1;
    // "+" with "-".
    QTest::newRow("9-3+2") << QString("9-3+2") << 3 << 8;
    QTest::newRow("3+5-2") << QString("3+5-2") << 3 << 6;
    QTest::newRow("2-5+4") << QString("2-5+4") << 3 << 1;
    // "×" with "+" or "-".
    QTest::newRow("3+4×2") << QString("3+4×2") << 3 << 11;
    QTest::newRow("3×4+2") << QString("3×4+2") << 3 << 14;
    QTest::newRow("9-2×3") << QString("9-2×3") << 3 << 3;
    QTest::newRow("2×3-9") << QString("2×3-9") << 3 << -3;
    QTest::newRow("1-2×3") << QString("1-2×3") << 3 << -5;
    // "÷" with "+" or "-".
    QTest::newRow("8÷2+1") << QString("8÷2+1") << 3 << 5;
    QTest::newRow("1+8÷2") << QString("1+8÷2") << 3 << 5;
    QTest::newRow("6÷3-1") << QString("6÷3-1") << 3 << 1;
    QTest::newRow("1-6÷3 genuine -1") << QString("1-6÷3") << 3 << -1;
    QTest::newRow("5+7÷2") << QString("5+7÷2") << 3 << -1;
    QTest::newRow("7÷2+5") << QString("7÷2+5") << 3 << -1;
    QTest::newRow("0÷3+1") << QString("0÷3+1") << 3 << -1;
    // A negative first result written back with its sign.
    QTest::newRow("2-5-3") << QString("2-5-3=") << 3 << -6;
    QTest::newRow("2-5-1") << QString("2-5-1=") << 3 << -4;
    QTest::newRow("2-5-0") << QString("2-5-0=") << 3 << -3;
    // Texts that fit no step, or a lone operator.
    QTest::newRow("spaces dropped with three") << QString("3 + 4 × 2 =") << 3 << 11;
    QTest::newRow("12+7= with three") << QString("12+7=") << 3 << -1;
    QTest::newRow("12-7= with three") << QString("12-7=") << 3 << -1;
    QTest::newRow("5×3= with three") << QString("5×3=") << 3 << -1;
    QTest::newRow("12÷4= with three") << QString("12÷4=") << 3 << -1;
    QTest::newRow("three plus signs") << QString("1+2+3+4") << 3 << -1;
    QTest::newRow("three times signs") << QString("1×2×3×4") << 3 << -1;
    QTest::newRow("empty with three") << QString() << 3 << -1;
    // Three operands at the edges of 32 bits.
    QTest::newRow("large product of three") << QString("1000×1000×1000=") << 3 << 1000000000;
    QTest::newRow("product of three too large") << QString("2000×2000×1000=") << 3 << -1;
    QTest::newRow("first result too large") << QString("2147483647+1-1=") << 3 << -1;
    QTest::newRow("first result too large, then 0") << QString("100000×100000×0=") << 3 << -1;
    QTest::newRow("largest reached last") << QString("2147483647-1+1=") << 3 << INT_MAX;
    QTest::newRow("last step too large") << QString("1+2147483647×1=") << 3 << -1;
    QTest::newRow("smallest through a negative first result")
        << QString("0-2147483647-1=") << 3 << INT_MIN;
}

void TestEvaluation::value() {
    QFETCH(QString, text);
    QFETCH(int, operand_count);
    QFETCH(int, value);
    QCOMPARE(evaluate_expression(text, operand_count), value);
}

void TestEvaluation::leaves_the_text_unchanged() {
    for (const QString& original : {QString("12+7="), QString("3 + 4 × 2 ="), QString("-3-2=")}) {
        QString text = original;
        text.detach();
        evaluate_expression(text, 2);
        evaluate_expression(text, 3);
        QCOMPARE(text, original);
    }
}

// Every question a b of operands -20..20 and every operator, including both signs.
void TestEvaluation::two_operands_match_plain_arithmetic() {
    for (const QChar op : operators) {
        for (int a = -20; a <= 20; ++a) {
            for (int b = -20; b <= 20; ++b) {
                const QString text = QString::number(a) + op + QString::number(b) + '=';
                const int expected = as_question_value(apply(op, a, b));
                if (evaluate_expression(text, 2) != expected)
                    QFAIL(qPrintable(text + " expected " + QString::number(expected)));
            }
        }
    }
}

// Every question the triple builder can make from operands 0..12, with all sixteen operator
// pairs: the table of steps must agree with plain arithmetic everywhere.
void TestEvaluation::three_operands_match_plain_arithmetic() {
    for (const QChar op1 : operators) {
        for (const QChar op2 : operators) {
            for (int a = 0; a <= 12; ++a) {
                for (int b = 0; b <= 12; ++b) {
                    for (int c = 0; c <= 12; ++c) {
                        const QString text = QString::number(a) + op1 + QString::number(b) + op2 +
                                             QString::number(c) + '=';
                        const int expected = as_question_value(plain_value(a, op1, b, op2, c));
                        if (evaluate_expression(text, 3) != expected)
                            QFAIL(qPrintable(text + " expected " + QString::number(expected)));
                    }
                }
            }
        }
    }
}

void TestEvaluation::text_after_marker_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<QString>("after");

    QTest::newRow("last of two") << QString("12×3×4") << QString("×") << QString("4");
    QTest::newRow("keeps the =") << QString("5+3=") << QString("+") << QString("3=");
    QTest::newRow("absent") << QString("5+3") << QString("-") << QString();
    QTest::newRow("at the end") << QString("5+") << QString("+") << QString();
    QTest::newRow("empty text") << QString() << QString("+") << QString();
    QTest::newRow("two-unit marker") << QString("x--y--z") << QString("--") << QString("z");
}

void TestEvaluation::text_after_marker() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(QString, after);
    QCOMPARE(text_after(text, marker), after);
    QCOMPARE(text_after(QStringView(text), QStringView(marker)).toString(), after);
}

void TestEvaluation::count_occurrences_of_marker_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("marker");
    QTest::addColumn<int>("count");

    QTest::newRow("two plus signs") << QString("1+2+3") << QString("+") << 2;
    QTest::newRow("two times signs") << QString("5×3×2=") << QString("×") << 2;
    QTest::newRow("divide is not times") << QString("5×3") << QString("÷") << 0;
    QTest::newRow("no overlap") << QString("aaaa") << QString("aa") << 2;
    QTest::newRow("no overlap, odd") << QString("aaa") << QString("aa") << 1;
    QTest::newRow("empty text") << QString() << QString("+") << 0;
    QTest::newRow("empty marker") << QString("abc") << QString() << 0;
    QTest::newRow("never inside a pair") << face + face << QString(face.at(1)) << 0;
}

void TestEvaluation::count_occurrences_of_marker() {
    QFETCH(QString, text);
    QFETCH(QString, marker);
    QFETCH(int, count);
    QCOMPARE(count_occurrences(text, marker), count);
    QCOMPARE(count_occurrences(QStringView(text), QStringView(marker)), count);
}

QTEST_GUILESS_MAIN(TestEvaluation)
#include "test_evaluation.moc"
