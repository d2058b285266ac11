// The program's command line, run as a separate process: --help and
// --version with or without a display, Qt's own options, unknown arguments
// and a start without a display; and the hints puzzlecheck prints.
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtTest>

#include "catalogue/catalogue.h"
#include "core/hint.h"
#include "core/savefile.h"

using namespace zentrivo;

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

    // A display that cannot be opened, from DISPLAY or -display, gets the
    // game's own line naming it and status 1, not Qt's abort; where another
    // platform is chosen the display is not tried and the game starts.
    void displaysThatCannotBeOpened_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("display");   // DISPLAY, or unset when empty
        QTest::addColumn<QString>("platform");  // QT_QPA_PLATFORM, or unset when empty
        QTest::addColumn<QString>("named");     // the display the line names; empty: it starts
        QTest::newRow("no server") << QStringList{} << ":93"
                                   << ""
                                   << ":93";
        QTest::newRow("refused") << QStringList{} << "127.0.0.1:93"
                                 << ""
                                 << "127.0.0.1:93";
        QTest::newRow("-display") << QStringList{"-display", ":94"} << ""
                                  << ""
                                  << ":94";
        QTest::newRow("-display over DISPLAY") << QStringList{"-display", ":94"} << ":93"
                                               << ""
                                               << ":94";
        QTest::newRow("QT_QPA_PLATFORM chosen") << QStringList{} << ":93"
                                                << "offscreen"
                                                << "";
        QTest::newRow("-platform chosen")
            << QStringList{"-platform", "offscreen", "-display", ":94"} << ":93"
            << ""
            << "";
    }
    void displaysThatCannotBeOpened() {
        QFETCH(QStringList, args);
        QFETCH(QString, display);
        QFETCH(QString, platform);
        QFETCH(QString, named);
        QProcessEnvironment env = environment(false);
        if (!display.isEmpty()) env.insert("DISPLAY", display);
        if (!platform.isEmpty()) env.insert("QT_QPA_PLATFORM", platform);
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(ZENTRIVO_PROGRAM, args);
        if (named.isEmpty()) {
            QVERIFY(p.waitForStarted());
            QVERIFY2(!p.waitForFinished(1500), qPrintable(p.readAllStandardError()));
            p.kill();
            p.waitForFinished();
            return;
        }
        QVERIFY(p.waitForFinished(20000));
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 1);
        const QString err = QString::fromLocal8Bit(p.readAllStandardError());
        QCOMPARE(err, "Zentrivo needs a graphical display and cannot open the display \"" + named +
                          "\"; to play without one, run it under a virtual display: "
                          "xvfb-run zentrivo\n");
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
    // puzzlecheck prints a puzzle's walk and a saved puzzle's hint as JSON,
    // one object per line, with the squares, citations and texts the board's
    // hint gives on the same boards.
    void hintsAsJson() {
        auto run = [](const QStringList &args) {
            QProcess p;
            p.start(ZENTRIVO_PUZZLECHECK, args);
            if (!p.waitForFinished(60000)) return QList<QJsonObject>{};
            QList<QJsonObject> objects;
            for (const QByteArray &line : p.readAllStandardOutput().split('\n'))
                if (!line.isEmpty()) objects << QJsonDocument::fromJson(line).object();
            return objects;
        };
        auto same = [](const QJsonObject &o, const Hint &h, const CellCodes &codes) {
            QJsonArray clues, marks;
            for (int c : h.clues) clues << c;
            for (int cell : h.restsOn)
                marks << QString::fromStdString(cellAt(cell).digits()) +
                             (codes[static_cast<size_t>(cell)] == kCodeO ? "O" : "X");
            QCOMPARE(o["cell"].toString(), QString::fromStdString(cellAt(h.cell).digits()));
            QCOMPARE(o["mark"].toString(), QString(h.code == kCodeO ? "O" : "X"));
            QCOMPARE(o["clues"].toArray(), clues);
            QCOMPARE(o["marks"].toArray(), marks);
            QCOMPARE(o["texts"].toArray(),
                     (QJsonArray{QString::fromStdString(h.first), QString::fromStdString(h.text)}));
        };
        const QList<QJsonObject> walk = run({"--hints", "3"});
        QVERIFY(walk.size() > 1);
        QCOMPARE(walk.last()["kind"].toString(), QString("complete"));
        CellCodes codes{};
        codes.fill(kCodeBlank);
        for (int i = 0; i + 1 < walk.size(); ++i) {
            const Hint h = hintFor(findPuzzle(3), codes);
            QCOMPARE(walk[i]["puzzle"].toInt(), 3);
            QCOMPARE(walk[i]["kind"].toString(), QString("step"));
            same(walk[i], h, codes);
            if (QTest::currentTestFailed()) return;
            codes[static_cast<size_t>(h.cell)] = h.code;
        }

        QTemporaryDir dir;
        const QString file = dir.filePath("saved.txt");
        codes.fill(kCodeBlank);
        codes[0] = kCodeO;  // Ash Street is not on Monday: a wrong mark
        QVERIFY(WriteSaveFile(file.toStdString(), 3, codes));
        const QList<QJsonObject> one = run({"--hint", file});
        QCOMPARE(one.size(), 1);
        QCOMPARE(one[0]["kind"].toString(), QString("wrong"));
        same(one[0], hintFor(findPuzzle(3), codes), codes);
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
