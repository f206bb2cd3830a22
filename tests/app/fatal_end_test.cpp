#include "app/fatal_end.h"

#include <QProcess>
#include <QTest>

// Memory exhausted: a message, exit code -1, and the exit routines do not run.
class FatalEndTest : public QObject {
    Q_OBJECT
  private slots:
    void out_of_memory_ends_with_minus_1();
};

void FatalEndTest::out_of_memory_ends_with_minus_1() {
    QProcess probe;
    probe.start(FATAL_END_PROBE, {"-platform", "offscreen"});
    QVERIFY(probe.waitForFinished(30000));
    const QString output = QString::fromUtf8(probe.readAllStandardOutput());
    QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
    QCOMPARE(static_cast<signed char>(probe.exitCode()), -1);
    QCOMPARE(output, out_of_memory_text() + '\n');
}

QTEST_GUILESS_MAIN(FatalEndTest)
#include "fatal_end_test.moc"
