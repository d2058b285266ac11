// Where picture files are found, on folder layouts faked in a temporary
// folder: the current folder, an installed prefix (bin/ or games/), a
// relocated prefix, the build tree, and nowhere.
#include <QtTest>
#include <filesystem>
#include <fstream>

#include "core/picturesearch.h"

using namespace zentrivo;
namespace fs = std::filesystem;

namespace {

void touch(const fs::path &file) {
    fs::create_directories(file.parent_path());
    std::ofstream(file) << "picture";
}

// Lays out files named by "folder:file" entries under `root`, where folder is
// "cwd" (the current folder's QRX-Images), "share" (<prefix>/share/zentrivo/
// QRX-Images) or "beside" (QRX-Images beside the program).
void layOut(const fs::path &root, const fs::path &programDir, const QStringList &files) {
    for (const QString &entry : files) {
        const QString folder = entry.section(':', 0, 0);
        const std::string file = entry.section(':', 1).toStdString();
        if (folder == "cwd") touch(root / "home" / "QRX-Images" / file);
        if (folder == "share") touch(programDir.parent_path() / "share/zentrivo/QRX-Images" / file);
        if (folder == "beside") touch(programDir / "QRX-Images" / file);
    }
}

}  // namespace

class TestPictureSearch : public QObject {
    Q_OBJECT
    QString startDir_;
private slots:
    void initTestCase() { startDir_ = QDir::currentPath(); }
    void cleanup() { QDir::setCurrent(startDir_); }

    // Each row: where the program lies (under the faked root), the files laid
    // out, the picture asked for, whether the double size is wanted, and where
    // it is found ("cwd", "share", "beside", or "" for nowhere) and at which
    // size.
    void find_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("wantDouble");
        QTest::addColumn<QString>("foundIn");
        QTest::addColumn<bool>("isDouble");
        const QStringList all{"cwd:blank.gif", "share:blank.gif", "beside:blank.gif"};
        QTest::newRow("current folder first")
            << "usr/games" << all << "blank.gif" << false << "cwd" << false;
        QTest::newRow("installed in games/") << "usr/games" << QStringList{"share:blank.gif"}
                                             << "blank.gif" << false << "share" << false;
        QTest::newRow("installed in bin/") << "usr/bin" << QStringList{"share:Puz07.gif"}
                                           << "Puz07.gif" << false << "share" << false;
        QTest::newRow("relocated prefix") << "opt/zen/games" << QStringList{"share:magglass.gif"}
                                          << "magglass.gif" << false << "share" << false;
        QTest::newRow("one file missing in the current folder")
            << "usr/games" << QStringList{"cwd:blank.gif", "share:magglass.gif"} << "magglass.gif"
            << false << "share" << false;
        QTest::newRow("build tree") << "build" << QStringList{"beside:blank.gif"} << "blank.gif"
                                    << false << "beside" << false;
        QTest::newRow("installed before build tree")
            << "usr/bin" << QStringList{"share:blank.gif", "beside:blank.gif"} << "blank.gif"
            << false << "share" << false;
        QTest::newRow("nothing anywhere")
            << "usr/games" << QStringList{} << "blank.gif" << false << "" << false;
        QTest::newRow("a folder of that name is not a picture")
            << "usr/games" << QStringList{"cwd:blank.gif/inner"} << "blank.gif" << false << ""
            << false;
        QTest::newRow("double size taken")
            << "usr/games" << QStringList{"share:blank.gif", "share:blank@2x.gif"} << "blank.gif"
            << true << "share" << true;
        QTest::newRow("double size not wanted")
            << "usr/games" << QStringList{"share:blank.gif", "share:blank@2x.gif"} << "blank.gif"
            << false << "share" << false;
        QTest::newRow("single size where the double is missing")
            << "usr/games" << QStringList{"cwd:Puz01.gif", "share:Puz01@2x.gif"} << "Puz01.gif"
            << true << "cwd" << false;
        QTest::newRow("only the double size")
            << "usr/games" << QStringList{"beside:x@2x.gif"} << "x.gif" << true << "beside" << true;
    }
    void find() {
        QFETCH(QString, program);
        QFETCH(QStringList, files);
        QFETCH(QString, name);
        QFETCH(bool, wantDouble);
        QFETCH(QString, foundIn);
        QFETCH(bool, isDouble);
        QTemporaryDir tmp;
        QVERIFY(tmp.isValid());
        const fs::path root = tmp.path().toStdString();
        const fs::path programDir = root / program.toStdString();
        fs::create_directories(root / "home");
        fs::create_directories(programDir);
        layOut(root, programDir, files);
        QVERIFY(QDir::setCurrent(QString::fromStdString((root / "home").string())));

        const auto found = findPicture(name.toStdString(), pictureFolders(programDir), wantDouble);
        QCOMPARE(found.has_value(), !foundIn.isEmpty());
        if (!found) return;
        const std::string file = isDouble ? doubleSizeName(name.toStdString()) : name.toStdString();
        const fs::path expected =
            foundIn == "cwd"     ? fs::path("QRX-Images") / file
            : foundIn == "share" ? programDir.parent_path() / "share/zentrivo/QRX-Images" / file
                                 : programDir / "QRX-Images" / file;
        QCOMPARE(QString::fromStdString(found->path.string()),
                 QString::fromStdString(expected.string()));
        QCOMPARE(found->isDouble, isDouble);
    }

    void missingMessageNamesTheFolders() {
        QTemporaryDir tmp;
        QVERIFY(QDir::setCurrent(tmp.path()));
        const std::string line =
            pictureMissingMessage("Puz03.gif", pictureFolders("/opt/zen/games"));
        const QString cwd = QDir::current().absoluteFilePath("QRX-Images");
        QCOMPARE(QString::fromStdString(line),
                 "zentrivo: picture Puz03.gif not found in " + cwd +
                     ", /opt/zen/share/zentrivo/QRX-Images, /opt/zen/games/QRX-Images; it is "
                     "shown white");
    }
};

QTEST_MAIN(TestPictureSearch)
#include "test_picturesearch.moc"
