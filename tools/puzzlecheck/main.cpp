// Checks the built-in puzzles and prints a report: solutions, deduction
// rounds, droppable clues, every other reading of a clue that was tried, and
// every layout or fit problem.
//   puzzlecheck            all authored puzzles
//   puzzlecheck 3 7        puzzles 3 and 7
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>

#include "catalogue/catalogue.h"
#include "checker/checker.h"
#include "widgets/textfit.h"

using namespace zentrivo;

int main(int argc, char **argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<int> numbers;
    for (int i = 1; i < argc; ++i) numbers.push_back(std::atoi(argv[i]));
    if (numbers.empty())
        for (int n = 1; n <= kPuzzleCount; ++n) numbers.push_back(n);
    int bad = 0, checked = 0, tried = 0, failing = 0;
    for (int n : numbers) {
        const PuzzleRecord *r = findPuzzle(n);
        if (!r) continue;
        if (!r->authored()) {
            std::printf("#%d %s: not written yet\n", n, r->title.c_str());
            continue;
        }
        PuzzleReport rep = checkPuzzle(*r, true);
        QStringList problems;
        for (const std::string &s : rep.problems) problems << QString::fromStdString(s);
        problems << puzzleFitProblems(*r);
        const bool robust =
            rep.factsChecked && std::all_of(rep.misreadings.begin(), rep.misreadings.end(),
                                            [](const MisreadingOutcome &m) { return m.passes(); });
        std::printf("#%d %s: %ld solution(s), %d deduction round(s)%s%s\n", n, r->title.c_str(),
                    rep.solutions, rep.rounds, problems.isEmpty() ? ", fair and well formed" : "",
                    robust ? ", robust to every recorded misreading" : "");
        for (const MisreadingOutcome &m : rep.misreadings)
            std::printf("    reading %s: %s\n", m.passes() ? "ok" : "FAILS", describe(m).c_str());
        for (const QString &p : problems) std::printf("    problem: %s\n", qPrintable(p));
        if (!rep.samples.empty()) {
            std::vector<std::string> errors;
            const LogicPuzzle lp = logicPuzzle(*r, errors);
            for (const Groups &g : rep.samples)
                std::printf("    a solution:\n%s", describe(lp, g).c_str());
        }
        for (int c : rep.droppableClues) std::printf("    note: clue %d could be dropped\n", c);
        ++checked;
        tried += static_cast<int>(rep.misreadings.size());
        failing +=
            static_cast<int>(std::count_if(rep.misreadings.begin(), rep.misreadings.end(),
                                           [](const MisreadingOutcome &m) { return !m.passes(); }));
        if (!problems.isEmpty()) ++bad;
    }
    std::printf("%d puzzle(s) checked, %d with problems; %d other reading(s) tried, %d failing\n",
                checked, bad, tried, failing);
    return bad ? 1 : 0;
}
