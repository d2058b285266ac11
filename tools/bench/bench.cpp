// Benchmarks of the game's actions, each beside a floor measured in the same
// run: the least work the same result needs with Qt. Prints a Markdown table.
//   bench [STARTUP_BINARY BARE_BINARY]
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "app/startup.h"
#include "app/windows.h"
#include "board/frmlogic.h"
#include "core/gamestate.h"
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

    // Floor for the board: 150 shared pictures set on 150 labels.
    QWidget holder;
    std::vector<QLabel *> labels;
    labels.reserve(kCellCount);
    for (int i = 0; i < kCellCount; ++i) labels.push_back(new QLabel(&holder));
    // Two pictures in turn, so that every run really changes every label.
    QPixmap shared[2] = {QPixmap(23, 23), QPixmap(23, 23)};
    shared[0].fill(Qt::white);
    shared[1].fill(Qt::black);
    int turn = 0;
    const double pictureFloor = medianMicros([&] {
        turn ^= 1;
        for (QLabel *l : labels) l->setPixmap(shared[turn]);
    });

    std::printf("| action | median | floor | ratio |\n|---|---|---|---|\n");
    row("fresh board load (puzzle 7)", medianMicros([&] {
            state.WhereFrom = kWhereNone;
            board->Reloading();
        }),
        pictureFloor, "150 shared pixmaps on 150 labels");

    for (int i = 0; i < kCellCount; ++i) state.GridB[static_cast<size_t>(i)] = std::int16_t(i % 3);
    row("restore load from saved marks (50 blank cells)", medianMicros([&] {
            state.WhereFrom = kWhereOpen;
            board->Reloading();
        }),
        pictureFloor, "150 shared pixmaps on 150 labels");

    for (int i = 0; i < kCellCount; ++i) state.GridB[static_cast<size_t>(i)] = std::int16_t(i % 2);
    state.WhereFrom = kWhereOpen;
    board->Reloading();
    row("\"Get the Answers\" on a full board", medianMicros([&] { board->CmdAnswer_Click(); }),
        pictureFloor, "150 shared pixmaps on 150 labels");

    row("\"Next Logic Problem\"", medianMicros([&] {
            state.PuzzleNum = 7;
            board->CmdNext_Click();
        }),
        pictureFloor, "150 shared pixmaps on 150 labels");

    QTemporaryDir dir;
    const QString path = dir.filePath("bench.txt");
    const std::string bytes = saveFileText(12, board->codes());
    const double ioFloor = medianMicros([&] {
        QFile out(path);
        out.open(QIODevice::WriteOnly);
        out.write(bytes.data(), static_cast<qint64>(bytes.size()));
        out.close();
        QFile in(path);
        in.open(QIODevice::ReadOnly);
        (void)in.readAll();
    });
    row("write and read a saved puzzle", medianMicros([&] {
            WriteSaveFile(path.toStdString(), 12, board->codes());
            (void)ReadSaveFile(path.toStdString());
        }),
        ioFloor, "write and read 304 bytes");

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
