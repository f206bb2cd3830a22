#include "app/condition_checks.h"

#include <QTest>

// The tidying of the two integer boxes, as a rule on texts; the window test drives it by hand.
class TidyingTest : public QObject {
    Q_OBJECT
  private slots:
    void tidied_text_data();
    void tidied_text();
};

void TidyingTest::tidied_text_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("tidied");
    QTest::newRow("leading zeros") << "007"
                                   << "7";
    QTest::newRow("stops at the second minus") << "1-2"
                                               << "1";
    QTest::newRow("plus sign dropped") << "+5"
                                       << "5";
    QTest::newRow("leading space") << " 12"
                                   << "12";
    QTest::newRow("leading tab and line feed") << "\t\n12"
                                               << "12";
    QTest::newRow("negative kept") << "-4"
                                   << "-4";
    QTest::newRow("negative with zeros") << "-004"
                                         << "-4";
    QTest::newRow("zero is empty") << "0"
                                   << "";
    QTest::newRow("zeros are empty") << "00"
                                     << "";
    QTest::newRow("minus zero is empty") << "-0"
                                         << "";
    QTest::newRow("lone minus is empty") << "-"
                                         << "";
    QTest::newRow("double minus is empty") << "--3"
                                           << "";
    QTest::newRow("sign then space is empty") << "- 5"
                                              << "";
    QTest::newRow("letters are empty") << "abc"
                                       << "";
    QTest::newRow("empty stays empty") << ""
                                       << "";
    QTest::newRow("trailing letters cut") << "12abc"
                                          << "12";
    QTest::newRow("full-width digits are not digits here") << "１２"
                                                           << "";
    QTest::newRow("largest 32-bit") << "2147483647"
                                    << "2147483647";
    QTest::newRow("just above 32 bits") << "2147483648"
                                        << "2147483647";
    QTest::newRow("far above 32 bits") << "99999999999"
                                       << "2147483647";
    QTest::newRow("beyond 64 bits") << "123456789012345678901234567890"
                                    << "2147483647";
    QTest::newRow("smallest 32-bit") << "-2147483648"
                                     << "-2147483648";
    QTest::newRow("below 32 bits") << "-2147483649"
                                   << "-2147483648";
    QTest::newRow("far below 64 bits") << "-123456789012345678901234567890"
                                       << "-2147483648";
}

void TidyingTest::tidied_text() {
    QFETCH(QString, text);
    QFETCH(QString, tidied);
    QCOMPARE(tidied_integer_text(text), tidied);
}

QTEST_APPLESS_MAIN(TidyingTest)
#include "tidying_test.moc"
