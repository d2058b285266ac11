// The saved-puzzle file: one line of 151 comma-separated integers, the puzzle
// number and then the 150 cell codes in canonical cell order, ended by CR LF.
//
// Standard library and POSIX only, so that the reader can be fuzzed on its own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "catalogue/catalogue.h"
#include "core/cells.h"

namespace zentrivo {

struct SavedPuzzle {
    std::int16_t puzzleNum = 0;
    CellCodes codes{};

    bool operator==(const SavedPuzzle &o) const {
        return puzzleNum == o.puzzleNum && codes == o.codes;
    }
    bool operator!=(const SavedPuzzle &o) const { return !(*this == o); }
};

constexpr int kSaveFields = 1 + kCellCount;
// The two lengths of the last line that mark a file as a saved puzzle: the
// lengths of a line written for puzzles 1 to 9 and for puzzles 10 to 25.
constexpr int kShortRecord = 301;
constexpr int kLongRecord = 302;
// The final bytes that decide the length test: the longest accepted line,
// the line end before it and a CR LF after it.
constexpr std::size_t kTailBytes = kLongRecord + 3;

// The file's bytes: the 151 values in shortest decimal form joined by ","
// and ended by CR LF.
std::string saveFileText(std::int16_t puzzleNum, const CellCodes &codes);

// The length of a file's last line, told from its final bytes. `tail` holds
// the file's last bytes (at least the last kTailBytes, or the whole file) and
// `wholeFile` says whether it begins the file. A line ends at CR LF, LF or a
// lone CR; the file's final line end does not start another line. Answers -1
// when the line is longer than the tail can show (and so longer than any
// saved puzzle's).
int lastLineLength(std::string_view tail, bool wholeFile);
inline bool passesLengthTest(int lastLine) {
    return lastLine == kShortRecord || lastLine == kLongRecord;
}

// Reads the 151 values from the start of a file, fed in pieces of any size.
// A value is an optional "-" and decimal digits, with spaces allowed around
// it; it ends at a comma or a line end (the 151st also at the end of the
// file). The first value is a puzzle number, 1 to kPuzzleCount, and the
// others are cell codes, 0, 1 or 2: the only values the writer puts there.
// What follows the 151st value is not read.
class FieldReader {
public:
    // Takes the next bytes; answers whether more are wanted (false once all
    // 151 values are read or the file has shown it does not hold them).
    bool feed(std::string_view bytes);
    // The end of the file.
    void finish();
    // The values, once all 151 were read.
    std::optional<SavedPuzzle> result() const;

private:
    enum class Step { BeforeValue, Sign, Digits, AfterValue, Done, Failed };
    void endValue();
    void fail() { step_ = Step::Failed; }

    Step step_ = Step::BeforeValue;
    bool afterCR_ = false;  // the last value ended at a CR, which an LF may follow
    bool negative_ = false;
    std::int32_t magnitude_ = 0;
    int count_ = 0;
    SavedPuzzle values_;
};

// Both checks on a whole file's bytes: the length test, then the 151 values.
std::optional<SavedPuzzle> parseSaveFile(std::string_view content);

// What reading a file gave: the saved puzzle it holds, or why not.
struct ReadResult {
    std::optional<SavedPuzzle> puzzle;
    // The file could not be found, opened or read, or is not a regular file;
    // false when it was read and does not hold a saved puzzle.
    bool unreadable = false;
};

// Reads the saved puzzle at `path` (the file name's bytes as the disk holds
// them). The file is read in binary in small pieces: only its final bytes for
// the length test, then its start until the 151 values are read. Anything
// but a regular file (a folder, a FIFO, a device) is refused as unreadable
// without waiting on it.
ReadResult ReadSaveFile(const std::string &path);

// Writes the saved puzzle to `path` atomically: into a new temporary file in
// the same folder, flushed to the disk, then renamed over the target. On
// failure (folder missing or read-only, a folder or a read-only file of that
// name, disk full) answers false and leaves any existing file of that name as
// it was. A link is followed: the file it names is replaced. The
// temporary file's name begins with "." and never contains ".txt", so a save
// that was killed leaves nothing the file window lists.
bool WriteSaveFile(const std::string &path, std::int16_t puzzleNum, const CellCodes &codes);

}  // namespace zentrivo
