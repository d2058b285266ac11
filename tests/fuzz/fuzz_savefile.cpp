// Fuzz target for the saved-puzzle reader. Each input is read three ways
// (whole, fed in pieces, and from a file on disk) and compared with a plain
// model of the rules written here from scratch; an accepted file is also
// written back and read again. Any difference aborts, and the sanitizers
// catch any fault in memory or arithmetic.
#include <fcntl.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/savefile.h"

using zentrivo::SavedPuzzle;

namespace {

void require(bool condition, const char *what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz_savefile: %s\n", what);
    std::abort();
}

// The model: split the file into lines and into values, then apply the rules.
std::string_view modelLastLine(std::string_view s) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size(); ++i) {
        if (s[i] != '\r' && s[i] != '\n') continue;
        lines.push_back(s.substr(start, i - start));
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (start < s.size()) lines.push_back(s.substr(start));
    return lines.empty() ? std::string_view() : lines.back();
}

std::optional<std::int16_t> modelValue(std::string_view v) {
    while (!v.empty() && v.front() == ' ') v.remove_prefix(1);
    while (!v.empty() && v.back() == ' ') v.remove_suffix(1);
    bool negative = false;
    if (!v.empty() && v.front() == '-') {
        negative = true;
        v.remove_prefix(1);
    }
    if (v.empty()) return std::nullopt;
    long magnitude = 0;
    for (char c : v) {
        if (c < '0' || c > '9') return std::nullopt;
        magnitude = magnitude * 10 + (c - '0');
        if (magnitude > 40000) return std::nullopt;
    }
    const long value = negative ? -magnitude : magnitude;
    if (value < -32768 || value > 32767) return std::nullopt;
    return static_cast<std::int16_t>(value);
}

std::optional<SavedPuzzle> model(std::string_view s) {
    const std::size_t last = modelLastLine(s).size();
    if (last != 301 && last != 302) return std::nullopt;
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    for (std::size_t i = 0; i < s.size() && fields.size() < zentrivo::kSaveFields; ++i) {
        if (s[i] != ',' && s[i] != '\r' && s[i] != '\n') continue;
        fields.push_back(s.substr(start, i - start));
        if (s[i] == '\r' && i + 1 < s.size() && s[i + 1] == '\n') ++i;
        start = i + 1;
    }
    if (fields.size() < zentrivo::kSaveFields && start < s.size())
        fields.push_back(s.substr(start));
    if (fields.size() < zentrivo::kSaveFields) return std::nullopt;
    SavedPuzzle p;
    for (int i = 0; i < zentrivo::kSaveFields; ++i) {
        const auto v = modelValue(fields[static_cast<std::size_t>(i)]);
        if (!v) return std::nullopt;
        // A puzzle number 1 to 25, then cell codes 0, 1 or 2.
        if (i == 0 ? *v < 1 || *v > 25 : *v < 0 || *v > 2) return std::nullopt;
        if (i == 0)
            p.puzzleNum = *v;
        else
            p.codes[static_cast<std::size_t>(i - 1)] = *v;
    }
    return p;
}

// The reader's parts fed as the disk reader feeds them, in pieces of `piece`.
std::optional<SavedPuzzle> inPieces(std::string_view s, std::size_t piece) {
    const bool whole = s.size() <= zentrivo::kTailBytes;
    const auto tail = whole ? s : s.substr(s.size() - zentrivo::kTailBytes);
    if (!zentrivo::passesLengthTest(zentrivo::lastLineLength(tail, whole))) return std::nullopt;
    zentrivo::FieldReader reader;
    std::size_t at = 0;
    for (;;) {
        if (at >= s.size()) {
            reader.finish();
            break;
        }
        const std::string_view chunk = s.substr(at, piece);
        at += chunk.size();
        if (!reader.feed(chunk)) break;
    }
    return reader.result();
}

std::string g_path;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***) {
    // In TMPDIR when set (run.sh points it at a folder it removes, so that
    // a run ended by a fault leaves nothing behind).
    const char *tmp = std::getenv("TMPDIR");
    std::string name = std::string(tmp && *tmp ? tmp : "/tmp") + "/fuzz_savefile.XXXXXX";
    const int fd = ::mkstemp(name.data());
    require(fd >= 0, "cannot make a temporary file");
    ::close(fd);
    g_path = name;
    std::atexit([] { ::unlink(g_path.c_str()); });
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char *>(data), size);

    const std::optional<SavedPuzzle> whole = zentrivo::parseSaveFile(input);
    require(whole == model(input), "the reader and the model disagree");

    const std::size_t piece = size == 0 ? 1 : 1 + data[size / 2] % 17;
    require(inPieces(input, piece) == whole, "reading in pieces changes the answer");

    const int fd = ::open(g_path.c_str(), O_WRONLY | O_TRUNC | O_CLOEXEC);
    require(fd >= 0, "cannot rewrite the temporary file");
    std::size_t written = 0;
    while (written < size) {
        const ssize_t n = ::write(fd, data + written, size - written);
        require(n > 0, "cannot write the temporary file");
        written += static_cast<std::size_t>(n);
    }
    ::close(fd);
    const zentrivo::ReadResult fromDisk = zentrivo::ReadSaveFile(g_path);
    require(!fromDisk.unreadable, "a readable file is called unreadable");
    require(fromDisk.puzzle == whole, "reading from the disk changes the answer");

    if (whole) {
        // What is read is written the same way: a line that passes the
        // length test reads back to the same values.
        const std::string again = zentrivo::saveFileText(whole->puzzleNum, whole->codes);
        const auto line = static_cast<int>(again.size()) - 2;
        if (zentrivo::passesLengthTest(line))
            require(zentrivo::parseSaveFile(again) == whole,
                    "a written file reads back differently");
    }
    return 0;
}
