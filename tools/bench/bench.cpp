// Benchmarks of the game's actions, each beside a floor measured in the same
// run: the least work the same result needs with Qt, including every file the
// action must read or write, so that a ratio measures waste rather than work
// the game cannot avoid. Prints a Markdown table.
//   bench [STARTUP_BINARY BARE_BINARY]
//   bench --startup-only STARTUP_BINARY BARE_BINARY
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
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <utility>
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
    double millis;
    long kilobytes;  // peak resident memory
};

// Runs the program once to its end on the named platform.
ProcessFigures runOnce(const char *program, const char *arg, const char *platform) {
    QElapsedTimer t;
    t.start();
    const pid_t pid = fork();
    if (pid == 0) {
        setenv("QT_QPA_PLATFORM", platform, 1);
        execl(program, program, arg, static_cast<char *>(nullptr));
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    const double millis = t.nsecsElapsed() / 1e6;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        std::fprintf(stderr, "%s failed\n", program);
    return {millis, usage.ru_maxrss};
}

double median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

// Start-up of the game beside the bare program: pairs run one after the
// other (which of the two goes first alternates), so that a slower moment of
// the machine weighs on both; the ratio is the median of the pairs' ratios.
struct PairedFigures {
    double game, bare, ratio;  // medians
    long gameKilobytes, bareKilobytes;
};
PairedFigures runPairs(const char *game, const char *bare, const char *platform, int pairs) {
    std::vector<double> gameTimes, bareTimes, ratios;
    long gamePeak = 0, barePeak = 0;
    for (int i = 0; i < pairs; ++i) {
        ProcessFigures g{}, b{};
        if (i % 2 == 0) {
            g = runOnce(game, nullptr, platform);
            b = runOnce(bare, nullptr, platform);
        } else {
            b = runOnce(bare, nullptr, platform);
            g = runOnce(game, nullptr, platform);
        }
        gameTimes.push_back(g.millis);
        bareTimes.push_back(b.millis);
        ratios.push_back(g.millis / b.millis);
        gamePeak = std::max(gamePeak, g.kilobytes);
        barePeak = std::max(barePeak, b.kilobytes);
    }
    return {median(gameTimes), median(bareTimes), median(ratios), gamePeak, barePeak};
}

// Start-up on the offscreen platform (the measure), and on the X display of
// the environment when there is one (a virtual one under xvfb-run).
void startUpTable(const char *game, const char *bare) {
    const int pairs = 21;
    const PairedFigures off = runPairs(game, bare, "offscreen", pairs);
    std::vector<double> allTimes;
    long allPeak = 0;
    for (int i = 0; i < pairs; ++i) {
        const ProcessFigures f = runOnce(game, "--all-windows", "offscreen");
        allTimes.push_back(f.millis);
        allPeak = std::max(allPeak, f.kilobytes);
    }
    std::printf("\n| process | median start-up | peak memory |\n|---|---|---|\n");
    std::printf("| bare Qt Widgets program, one window | %.1f ms | %ld KiB |\n", off.bare,
                off.bareKilobytes);
    std::printf(
        "| game to the menu on screen | %.1f ms (%.2fx, median of %d paired ratios) | "
        "%ld KiB (%.2fx) |\n",
        off.game, off.ratio, pairs, off.gameKilobytes,
        double(off.gameKilobytes) / double(off.bareKilobytes));
    std::printf("| game with every window open | %.1f ms | %ld KiB (%.2fx) |\n", median(allTimes),
                allPeak, double(allPeak) / double(off.bareKilobytes));
    const char *display = std::getenv("DISPLAY");
    if (display && *display) {
        const PairedFigures x = runPairs(game, bare, "xcb", pairs);
        std::printf(
            "\nOn the X display %s: bare %.1f ms, game %.1f ms, %.2fx (median of %d "
            "paired ratios)\n",
            display, x.bare, x.game, x.ratio, pairs);
    }
}

}  // namespace

int main(int argc, char **argv) {
    if (argc == 4 && std::strcmp(argv[1], "--startup-only") == 0) {
        startUpTable(argv[2], argv[3]);
        return 0;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    setUpApplication(app);

    GameState state;
    Windows windows(state);
    state.PuzzleNum = 7;
    FrmLogic *board = windows.logic();

    // Floors for the board: the pictures it must read from QRX-Images, set
    // as one shared picture on 150 labels (plus the heading and magnifier).
    // Each file is read whole; where its bytes are those decoded last time,
    // the picture decoded then is taken (as the game does), so a repeated
    // action decodes nothing.
    QWidget holder;
    std::vector<QLabel *> labels;
    labels.reserve(kCellCount + 2);
    for (int i = 0; i < kCellCount + 2; ++i) labels.push_back(new QLabel(&holder));
    std::map<QString, std::pair<QByteArray, QPixmap>> decoded;
    auto decode = [&decoded](const char *name) {
        QFile file(QStringLiteral("QRX-Images/") + QLatin1String(name));
        file.open(QIODevice::ReadOnly);
        const QByteArray bytes = file.readAll();
        auto &[last, picture] = decoded[file.fileName()];
        if (bytes != last) {
            last = bytes;
            picture = QPixmap::fromImage(QImage::fromData(bytes));
        }
        return picture;
    };
    // A fresh load reads the blank square, the magnifier and the heading
    // picture once each.
    auto freshFloor = [&](const char *heading) {
        const QPixmap blank = decode("blank.gif");
        for (int i = 0; i < kCellCount; ++i) labels[static_cast<size_t>(i)]->setPixmap(blank);
        labels[kCellCount]->setPixmap(decode("magglass.gif"));
        labels[kCellCount + 1]->setPixmap(decode(heading));
    };
    const double loadFloor = medianMicros([&] { freshFloor("Puz07.gif"); });
    const double nextFloor = medianMicros([&] { freshFloor("Puz08.gif"); });
    // A restore reads the blank square once for every blank cell; the X and
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
        loadFloor, "read 3 GIF files, 150 shared pixmaps on 150 labels");

    for (int i = 0; i < kCellCount; ++i) state.GridB[static_cast<size_t>(i)] = std::int16_t(i % 3);
    row("restore load from saved marks (50 blank cells)", medianMicros([&] {
            state.WhereFrom = kWhereOpen;
            board->Reloading();
        }),
        restoreFloor, "read blank.gif 50 times and 2 more GIF files, 150 labels");

    for (int i = 0; i < kCellCount; ++i) state.GridB[static_cast<size_t>(i)] = std::int16_t(i % 2);
    state.WhereFrom = kWhereOpen;
    board->Reloading();
    row("\"Get the Answers\" on a full board", medianMicros([&] { board->CmdAnswer_Click(); }),
        revealFloor, "150 shared pixmaps on 150 labels");

    row("\"Next Logic Problem\"", medianMicros([&] {
            state.PuzzleNum = 7;
            board->CmdNext_Click();
        }),
        nextFloor, "read 3 GIF files, 150 shared pixmaps on 150 labels");

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
    // Every hint met while each puzzle is solved by hints alone, from an
    // empty board and from boards holding some of the answer's marks (every
    // 2nd, 3rd, 4th, 6th or 11th square, as the hint tests prepare them),
    // a puzzle's first hint also reads its clues alone (kept for the later
    // hints), so these come before any other hint.
    double longest = 0, coldest = 0;
    std::string where;
    for (int n = 1; n <= kPuzzleCount; ++n) {
        const PuzzleRecord *r = findPuzzle(n);
        CellCodes answer{};
        answer.fill(kCodeX);
        for (CellId cell : keyCells(r->key)) answer[static_cast<size_t>(cellIndex(cell))] = kCodeO;
        for (int every : {0, 2, 3, 4, 6, 11}) {
            CellCodes codes = empty;
            for (size_t i = 0; every && i < codes.size(); ++i)
                if ((i * 7 + static_cast<size_t>(n)) % static_cast<size_t>(every) == 0)
                    codes[i] = answer[i];
            const auto start = std::count_if(codes.begin(), codes.end(),
                                             [](std::int16_t c) { return c != kCodeBlank; });
            for (int step = 0; step <= kCellCount; ++step) {
                // The least of three runs, so that a moment the machine
                // gives to another process is not counted; the first run of
                // a puzzle's first hint is counted on its own.
                Hint hint;
                double micros = 0;
                for (int run = 0; run < 3; ++run) {
                    QElapsedTimer t;
                    t.start();
                    hint = hintFor(r, codes);
                    const double once = t.nsecsElapsed() / 1000.0;
                    micros = run == 0 ? once : std::min(micros, once);
                    if (every == 0 && step == 0 && run == 0) coldest = std::max(coldest, once);
                }
                if (micros > longest) {
                    longest = micros;
                    where = "puzzle " + std::to_string(n) + ", hint " + std::to_string(step + 1) +
                            " from " +
                            (every ? "a board of " + std::to_string(start) + " marks"
                                   : std::string("empty"));
                }
                if (hint.kind != Hint::Kind::Step) break;
                codes[static_cast<size_t>(hint.cell)] = hint.code;
            }
        }
    }
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

    helpRow("slowest hint, every puzzle solved by hints from empty and from 5 prepared boards (" +
                where + ")",
            longest);
    helpRow("a puzzle's first hint, its clues read alone for the first time (slowest of 25)",
            coldest);

    if (argc == 3) startUpTable(argv[1], argv[2]);
    return 0;
}
