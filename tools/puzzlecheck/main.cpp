// Checks the built-in puzzles and prints a report: solutions, deduction
// rounds, droppable clues, every other reading of a clue that was tried, and
// every layout or fit problem.
//   puzzlecheck            all authored puzzles
//   puzzlecheck 3 7        puzzles 3 and 7
//   puzzlecheck --hints N  the hints that solve puzzle N from an empty board
//   puzzlecheck --hint F   the hint for the puzzle saved in file F
// The hints are printed as JSON, one object per line.
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <cstring>

#include "catalogue/catalogue.h"
#include "checker/checker.h"
#include "core/hint.h"
#include "core/savefile.h"
#include "widgets/textfit.h"

using namespace zentrivo;

namespace {

std::string quoted(const std::string &text) {
    std::string out = "\"";
    for (const char ch : text) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += ch;
        } else if (c < 0x20) {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\u%04x", c);
            out += escape;
        } else {
            out += ch;
        }
    }
    return out + '"';
}

std::string markDigits(int cell, std::int16_t code) {
    return cellAt(cell).digits() + (code == kCodeO ? "O" : "X");
}

// One hint as a line of JSON: the square and mark it gives, the clues and
// marks it cites, and the texts of the first and second press.
void printHint(int puzzle, const CellCodes &codes, const Hint &hint) {
    static const char *const kKinds[] = {"nopuzzle", "wrong", "complete", "step", "stuck"};
    std::string line = "{\"puzzle\": " + std::to_string(puzzle) + ", \"kind\": \"" +
                       kKinds[static_cast<int>(hint.kind)] + "\", \"cell\": ";
    if (hint.cell >= 0)
        line += quoted(cellAt(hint.cell).digits()) +
                ", \"mark\": " + quoted(hint.code == kCodeO ? "O" : "X");
    else
        line += "null, \"mark\": null";
    line += ", \"clues\": [";
    for (size_t i = 0; i < hint.clues.size(); ++i)
        line += (i ? ", " : "") + std::to_string(hint.clues[i]);
    line += "], \"marks\": [";
    for (size_t i = 0; i < hint.restsOn.size(); ++i)
        line += (i ? ", " : "") +
                quoted(markDigits(hint.restsOn[i], codes[static_cast<size_t>(hint.restsOn[i])]));
    line += "], \"texts\": [" + quoted(hint.first) + ", " + quoted(hint.text) + "]}";
    std::puts(line.c_str());
}

// Puzzle n solved from an empty board by its hints, each mark put before
// the next hint; ends with the hint that is no step.
int printWalk(int n) {
    const PuzzleRecord *record = findPuzzle(n);
    if (!record || !record->authored()) {
        std::fprintf(stderr, "puzzlecheck: there is no puzzle %d\n", n);
        return 2;
    }
    CellCodes codes{};
    codes.fill(kCodeBlank);
    for (int step = 0; step <= kCellCount; ++step) {
        const Hint hint = hintFor(record, codes);
        printHint(n, codes, hint);
        if (hint.kind != Hint::Kind::Step) return hint.kind == Hint::Kind::Complete ? 0 : 1;
        codes[static_cast<size_t>(hint.cell)] = hint.code;
    }
    return 1;
}

int printSavedHint(const char *path) {
    const ReadResult read = ReadSaveFile(path);
    if (!read.puzzle) {
        std::fprintf(stderr, "puzzlecheck: %s %s\n", path,
                     read.unreadable ? "cannot be read" : "does not hold a saved puzzle");
        return 2;
    }
    const int n = read.puzzle->puzzleNum;
    printHint(n, read.puzzle->codes, hintFor(findPuzzle(n), read.puzzle->codes));
    return 0;
}

}  // namespace

int main(int argc, char **argv) {
    if (argc == 3 && std::strcmp(argv[1], "--hints") == 0) return printWalk(std::atoi(argv[2]));
    if (argc == 3 && std::strcmp(argv[1], "--hint") == 0) return printSavedHint(argv[2]);
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
