// The program's command line, run as a separate process: --help and
// --version with or without a display, Qt's own options, unknown arguments
// and a start without a display.
#include <QProcess>
#include <QtTest>

class TestCommandLine : public QObject {
    Q_OBJECT

    // The environment of a player without a display unless `display` is set.
    static QProcessEnvironment environment(bool display) {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
            env.remove(QString::fromLatin1(name));
        if (display) env.insert("QT_QPA_PLATFORM", "offscreen");
        return env;
    }

private slots:
    // Each row: arguments, whether a display is there, the exit code, and
    // the start of standard output and of standard error.
    void answers_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<bool>("display");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QString usage = "Usage: zentrivo [OPTION]...\n";
        QTest::newRow("help") << QStringList{"--help"} << true << 0 << usage << "";
        QTest::newRow("help without display") << QStringList{"--help"} << false << 0 << usage << "";
        QTest::newRow("-h") << QStringList{"-h"} << false << 0 << usage << "";
        QTest::newRow("version") << QStringList{"--version"} << false << 0 << "zentrivo 2.0\n"
                                 << "";
        QTest::newRow("version after a Qt option")
            << QStringList{"-style", "Fusion", "--version"} << true << 0 << "zentrivo 2.0\n"
            << "";
        QTest::newRow("unknown option") << QStringList{"--level", "3"} << true << 2 << ""
                                        << "zentrivo: unknown argument '--level'\n" + usage;
        QTest::newRow("unknown without display") << QStringList{"-x"} << false << 2 << ""
                                                 << "zentrivo: unknown argument '-x'\n" + usage;
        QTest::newRow("a file name") << QStringList{"game.txt"} << true << 2 << ""
                                     << "zentrivo: unknown argument 'game.txt'\n" + usage;
        QTest::newRow("Qt option without its value")
            << QStringList{"-platform"} << true << 2 << ""
            << "zentrivo: option '-platform' needs a value\n" + usage;
        QTest::newRow("value attached where Qt takes none")
            << QStringList{"-platform=offscreen"} << true << 2 << ""
            << "zentrivo: unknown argument '-platform=offscreen'\n" + usage;
        QTest::newRow("no display") << QStringList{} << false << 1 << ""
                                    << "Zentrivo needs a graphical display";
    }
    void answers() {
        QFETCH(QStringList, args);
        QFETCH(bool, display);
        QFETCH(int, code);
        QFETCH(QString, out);
        QFETCH(QString, err);
        QProcess p;
        p.setProcessEnvironment(environment(display));
        p.start(ZENTRIVO_PROGRAM, args);
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), code);
        const QString stdOut = QString::fromLocal8Bit(p.readAllStandardOutput());
        const QString stdErr = QString::fromLocal8Bit(p.readAllStandardError());
        QVERIFY2(out.isEmpty() ? stdOut.isEmpty() : stdOut.startsWith(out), qPrintable(stdOut));
        QVERIFY2(err.isEmpty() ? stdErr.isEmpty() : stdErr.startsWith(err), qPrintable(stdErr));
        if (code == 1) QVERIFY2(stdErr.contains("xvfb-run zentrivo\n"), qPrintable(stdErr));
        if (!out.isEmpty() && out != "zentrivo 2.0\n")
            QVERIFY(stdOut.contains("--version") && stdOut.contains("-platform"));
    }

    // Qt's own options reach Qt: the game starts (and runs until stopped)
    // even where only the option names a platform.
    void qtOptionsStartTheGame_data() {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("-platform") << QStringList{"-platform", "offscreen"};
        QTest::newRow("--platform, -style=")
            << QStringList{"--platform", "offscreen", "-style=Windows"};
        QTest::newRow("-reverse") << QStringList{"-platform", "offscreen", "-reverse"};
    }
    void qtOptionsStartTheGame() {
        QFETCH(QStringList, args);
        QProcess p;
        p.setProcessEnvironment(environment(false));
        p.start(ZENTRIVO_PROGRAM, args);
        QVERIFY(p.waitForStarted());
        QVERIFY2(!p.waitForFinished(1500), qPrintable(p.readAllStandardError()));
        p.kill();
        p.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(TestCommandLine)
#include "test_commandline.moc"
