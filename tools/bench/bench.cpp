// Benchmarks of the game's actions, each beside a floor measured in the same
// run: the least work the same result needs with Qt, including every file the
// action must read or write, so that a ratio measures waste rather than work
// the game cannot avoid. Prints a Markdown table.
//   bench [STARTUP_BINARY BARE_BINARY]
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/startup.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "core/answerkey.h"
#include "core/gamestate.h"
#include "core/hint.h"
#include "core/savefile.h"

using namespace zentrivo;

namespace {

constexpr int kRuns = 301;

double medianMicros(const std::function<void()> &action, int runs = kRuns) {
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) action();  // warm up
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        action();
        times.push_back(t.nsecsElapsed() / 1000.0);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return times[static_cast<size_t>(runs / 2)];
}

void row(const char *what, double value, double floor, const char *floorName) {
    std::printf("| %s | %.1f us | %.1f us (%s) | %.2fx |\n", what, value, floor, floorName,
                value / floor);
}

struct ProcessFigures {
    double medianMillis;
    long maxKilobytes;
};

ProcessFigures runProcess(const char *program, const char *arg, int runs) {
    std::vector<double> times;
    long peak = 0;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        const pid_t pid = fork();
        if (pid == 0) {
            setenv("QT_QPA_PLATFORM", "offscreen", 1);
            execl(program, program, arg, static_cast<char *>(nullptr));
            _exit(127);
        }
        int status = 0;
        rusage usage{};
        wait4(pid, &status, 0, &usage);
        times.push_back(t.nsecsElapsed() / 1e6);
        peak = std::max(peak, usage.ru_maxrss);
        if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
            std::fprintf(stderr, "%s failed\n", program);
    }
    std::nth_element(times.begin(), times.begin() + runs / 2, times.end());
    return {times[static_cast<size_t>(runs / 2)], peak};
}

}  // namespace

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);

    GameState state;
    Windows windows(state);
    state.PuzzleNum = 7;
    FrmLogic *board = windows.logic();

    // Floors for the board: the pictures it must decode from QRX-Images, set
    // as one shared picture on 150 labels (plus the heading and magnifier).
    QWidget holder;
    std::vector<QLabel *> labels;
    labels.reserve(kCellCount + 2);
    for (int i = 0; i < kCellCount + 2; ++i) labels.push_back(new QLabel(&holder));
    auto decode = [](const char *name) {
        QImage image;
        image.load(QStringLiteral("QRX-Images/") + QLatin1String(name));
        return QPixmap::fromImage(image);
    };
    // A fresh load decodes the blank square, the magnifier and the heading
    // picture once each.
    auto freshFloor = [&](const char *heading) {
        const QPixmap blank = decode("blank.gif");
        for (int i = 0; i < kCellCount; ++i) labels[static_cast<size_t>(i)]->setPixmap(blank);
        labels[kCellCount]->setPixmap(decode("magglass.gif"));
        labels[kCellCount + 1]->setPixmap(decode(heading));
    };
    const double loadFloor = medianMicros([&] { freshFloor("Puz07.gif"); });
    const double nextFloor = medianMicros([&] { freshFloor("Puz08.gif"); });
    // A restore decodes the blank square once for every blank cell; the X and
    // O pictures are shared and read no file.
    const QPixmap marks[2] = {QPixmap(25, 25), QPixmap(25, 25)};
    const double restoreFloor = medianMicros([&] {
        for (int i = 0; i < kCellCount; ++i) {
            QLabel *l = labels[static_cast<size_t>(i)];
            if (i % 3 == 2)
                l->setPixmap(decode("blank.gif"));
            else
                l->setPixmap(marks[i % 3]);
        }
        labels[kCellCount]->setPixmap(decode("magglass.gif"));
        labels[kCellCount + 1]->setPixmap(decode("Puz07.gif"));
    });
    // The reveal sets one of two shared pictures on every cell.
    int turn = 0;
    const double revealFloor = medianMicros([&] {
        turn ^= 1;
        for (int i = 0; i < kCellCount; ++i) labels[static_cast<size_t>(i)]->setPixmap(marks[turn]);
    });

    std::printf("| action | median | floor | ratio |\n|---|---|---|---|\n");
    row("fresh board load (puzzle 7)", medianMicros([&] {
            state.WhereFrom = kWhereNone;
            board->Reloading();
        }),
        loadFloor, "decode 3 GIF files, 150 shared pixmaps on 150 labels");

    for (int i = 0; i < kCellCount; ++i) state.GridB[static_cast<size_t>(i)] = std::int16_t(i % 3);
    row("restore load from saved marks (50 blank cells)", medianMicros([&] {
            state.WhereFrom = kWhereOpen;
            board->Reloading();
        }),
        restoreFloor, "decode blank.gif 50 times and 2 more GIF files, 150 labels");

    for (int i = 0; i < kCellCount; ++i) state.GridB[static_cast<size_t>(i)] = std::int16_t(i % 2);
    state.WhereFrom = kWhereOpen;
    board->Reloading();
    row("\"Get the Answers\" on a full board", medianMicros([&] { board->CmdAnswer_Click(); }),
        revealFloor, "150 shared pixmaps on 150 labels");

    row("\"Next Logic Problem\"", medianMicros([&] {
            state.PuzzleNum = 7;
            board->CmdNext_Click();
        }),
        nextFloor, "decode 3 GIF files, 150 shared pixmaps on 150 labels");

    // A save must survive a crash: write a temporary file, flush it to the
    // disk, rename it over the old one and flush the folder; then the file is
    // read back.
    QTemporaryDir dir;
    const QString path = dir.filePath("bench.txt");
    const QString temporary = dir.filePath("bench.txt.new");
    const std::string bytes = saveFileText(12, board->codes());
    const double ioFloor = medianMicros([&] {
        const int fd =
            ::open(QFile::encodeName(temporary).constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        (void)!::write(fd, bytes.data(), bytes.size());
        ::fsync(fd);
        ::close(fd);
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(path).constData());
        const int folder =
            ::open(QFile::encodeName(dir.path()).constData(), O_RDONLY | O_DIRECTORY);
        ::fsync(folder);
        ::close(folder);
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        (void)in.readAll();
    });
    row("write and read a saved puzzle", medianMicros([&] {
            WriteSaveFile(path.toStdString(), 12, board->codes());
            (void)ReadSaveFile(path.toStdString());
        }),
        ioFloor, "write 304 bytes to a temporary file, fsync, rename, fsync the folder, read back");

    // Help on the board, against the budget of one frame at 60 Hz. The hint
    // is timed on the puzzle whose first hint from an empty board is slowest.
    CellCodes empty{};
    empty.fill(kCodeBlank);
    int slowest = 1;
    double slowestMicros = 0;
    for (int n = 1; n <= kPuzzleCount; ++n) {
        const double t = medianMicros([&] { (void)hintFor(findPuzzle(n), empty); }, 21);
        if (t > slowestMicros) slowest = n, slowestMicros = t;
    }
    const PuzzleRecord *record = findPuzzle(slowest);
    CellCodes nearlyFull{};
    nearlyFull.fill(kCodeX);
    for (CellId cell : keyCells(record->key))
        nearlyFull[static_cast<size_t>(cellIndex(cell))] = kCodeO;
    for (size_t i = 0; i < nearlyFull.size(); i += 15) nearlyFull[i] = kCodeBlank;
    std::printf("\n| help | median | share of a 16.7 ms frame |\n|---|---|---|\n");
    auto helpRow = [](const std::string &what, double micros) {
        std::printf("| %s | %.1f us | %.2f%% |\n", what.c_str(), micros, micros / 166.7);
    };
    const std::string which = " (puzzle " + std::to_string(slowest) + ")";
    helpRow("hint on an empty board" + which, medianMicros([&] { (void)hintFor(record, empty); }));
    helpRow("hint on a board with 10 blank squares" + which,
            medianMicros([&] { (void)hintFor(record, nearlyFull); }));
    helpRow("check of 140 marks",
            medianMicros([&] { (void)checkMessage(countMarks(record->key, nearlyFull)); }));
    // Every hint met while solving each puzzle from empty by hints alone, each timed once.
    double longest = 0;
    for (int n = 1; n <= kPuzzleCount; ++n) {
        CellCodes codes = empty;
        for (int step = 0; step <= kCellCount; ++step) {
            QElapsedTimer t;
            t.start();
            const Hint hint = hintFor(findPuzzle(n), codes);
            longest = std::max(longest, t.nsecsElapsed() / 1000.0);
            if (hint.kind != Hint::Kind::Step) break;
            codes[static_cast<size_t>(hint.cell)] = hint.code;
        }
    }
    helpRow("longest single hint while solving all 25 puzzles by hints", longest);

    if (argc == 3) {
        const int runs = 21;
        const ProcessFigures bare = runProcess(argv[2], nullptr, runs);
        const ProcessFigures game = runProcess(argv[1], nullptr, runs);
        const ProcessFigures all = runProcess(argv[1], "--all-windows", runs);
        std::printf("\n| process | median start-up | peak memory |\n|---|---|---|\n");
        std::printf("| bare Qt Widgets program, one window | %.1f ms | %ld KiB |\n",
                    bare.medianMillis, bare.maxKilobytes);
        std::printf("| game to the menu on screen | %.1f ms (%.2fx) | %ld KiB (%.2fx) |\n",
                    game.medianMillis, game.medianMillis / bare.medianMillis, game.maxKilobytes,
                    double(game.maxKilobytes) / double(bare.maxKilobytes));
        std::printf("| game with every window open | %.1f ms | %ld KiB (%.2fx) |\n",
                    all.medianMillis, all.maxKilobytes,
                    double(all.maxKilobytes) / double(bare.maxKilobytes));
    }
    return 0;
}
