#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>

// The real program under a virtual X server: it opens centred, and Esc ends it with exit code 0.
class ProcessTest : public QObject {
    Q_OBJECT
  private slots:
    void initTestCase();
    void cleanupTestCase();
    void escape_ends_the_program_with_0();

  private:
    QString run_xdotool(const QStringList& arguments);
    QProcessEnvironment x_environment() const;

    QProcess xvfb_;
    QString display_;
};

void ProcessTest::initTestCase() {
    for (const char* tool : {"Xvfb", "xdotool"}) {
        if (QStandardPaths::findExecutable(tool).isEmpty())
            QSKIP(qPrintable(QStringLiteral("%1 is not installed (scripts/deps.sh lists it); "
                                            "the real program cannot be started on a display")
                                 .arg(tool)));
    }
    // Xvfb picks a free display itself and writes its number to standard output.
    xvfb_.start("Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"});
    QVERIFY2(xvfb_.waitForStarted(), "Xvfb did not start");
    QTRY_VERIFY_WITH_TIMEOUT(xvfb_.canReadLine() || xvfb_.state() != QProcess::Running, 10000);
    QVERIFY2(xvfb_.canReadLine(), xvfb_.readAllStandardError().constData());
    display_ = ':' + QString::fromLatin1(xvfb_.readLine()).trimmed();
}

void ProcessTest::cleanupTestCase() {
    if (xvfb_.state() == QProcess::NotRunning)
        return;
    xvfb_.terminate();
    xvfb_.waitForFinished(5000);
}

QProcessEnvironment ProcessTest::x_environment() const {
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("DISPLAY", display_);
    environment.insert("QT_QPA_PLATFORM", "xcb");
    return environment;
}

QString ProcessTest::run_xdotool(const QStringList& arguments) {
    QProcess xdotool;
    xdotool.setProcessEnvironment(x_environment());
    xdotool.start("xdotool", arguments);
    if (!xdotool.waitForFinished(20000)) {
        xdotool.kill();
        xdotool.waitForFinished();
        return {};
    }
    return QString::fromLatin1(xdotool.readAllStandardOutput());
}

void ProcessTest::escape_ends_the_program_with_0() {
    QProcess program;
    program.setProcessEnvironment(x_environment());
    program.start(MORVANE_PROGRAM, QStringList());
    QVERIFY2(program.waitForStarted(), MORVANE_PROGRAM);

    const QString window =
        run_xdotool({"search", "--sync", "--onlyvisible", "--name", "^Morvane1\\.3$"})
            .section('\n', 0, 0);
    QVERIFY2(!window.isEmpty(), "the window did not appear");
    // No window manager runs here, so there is no frame: the client sits where the frame would.
    const QString geometry = run_xdotool({"getwindowgeometry", "--shell", window});
    QVERIFY2(geometry.contains("WIDTH=961\n") && geometry.contains("HEIGHT=536\n"),
             qPrintable(geometry));
    QVERIFY2(geometry.contains(QStringLiteral("X=%1\n").arg((1280 - 967) / 2)) &&
                 geometry.contains(QStringLiteral("Y=%1\n").arg((1024 - 568) / 2)),
             qPrintable(geometry));
    QCOMPARE(program.state(), QProcess::Running);

    run_xdotool({"windowfocus", "--sync", window});
    run_xdotool({"key", "Escape"});
    const bool ended = program.waitForFinished(15000);
    if (!ended)
        program.kill();
    QVERIFY2(ended, "Esc did not end the program");
    QCOMPARE(program.exitStatus(), QProcess::NormalExit);
    QCOMPARE(program.exitCode(), 0);
}

QTEST_GUILESS_MAIN(ProcessTest)
#include "process_test.moc"
