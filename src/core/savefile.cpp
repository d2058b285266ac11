#include "core/savefile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace zentrivo {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool endsValue(char c) { return c == ',' || c == '\r' || c == '\n'; }

// Closes a file descriptor when it goes out of scope.
class Descriptor {
public:
    explicit Descriptor(int fd) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    int get() const { return fd_; }
    // Closes now and answers whether the close succeeded.
    bool close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

// Reads up to `size` bytes at `offset`; answers the count read, or -1.
ssize_t readAt(int fd, char *buffer, std::size_t size, off_t offset) {
    std::size_t got = 0;
    while (got < size) {
        const ssize_t n = ::pread(fd, buffer + got, size - got, offset + static_cast<off_t>(got));
        if (n < 0) {
            if (errno == EINTR) continue;
            return -1;
        }
        if (n == 0) break;
        got += static_cast<std::size_t>(n);
    }
    return static_cast<ssize_t>(got);
}

bool writeAll(int fd, const std::string &bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

std::string folderOf(const std::string &path) {
    const std::size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

// A new, empty temporary file in `folder`, opened for writing. Its name
// starts with a dot and holds no ".txt", so the file list never shows it.
int createTemporary(const std::string &folder, std::string &name) {
    static const char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
    std::random_device seed;
    std::mt19937 random(seed());
    std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
    for (int attempt = 0; attempt < 100; ++attempt) {
        std::string suffix(8, ' ');
        for (char &c : suffix) c = kLetters[pick(random)];
        name = folder + "/.zentrivo-save-" + suffix;
        const int fd =
            ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

std::string saveFileText(std::int16_t puzzleNum, const CellCodes &codes) {
    std::string text = std::to_string(puzzleNum);
    text.reserve(kLongRecord + 2);
    for (std::int16_t code : codes) {
        text += ',';
        text += std::to_string(code);
    }
    text += "\r\n";
    return text;
}

int lastLineLength(std::string_view tail, bool wholeFile) {
    std::size_t end = tail.size();
    if (end >= 2 && tail[end - 2] == '\r' && tail[end - 1] == '\n')
        end -= 2;
    else if (end >= 1 && (tail[end - 1] == '\r' || tail[end - 1] == '\n'))
        end -= 1;
    const std::size_t lineEnd = tail.substr(0, end).find_last_of("\r\n");
    std::size_t length = 0;
    if (lineEnd != std::string_view::npos)
        length = end - lineEnd - 1;
    else if (wholeFile)
        length = end;
    else
        return -1;
    return length > static_cast<std::size_t>(INT_MAX) ? -1 : static_cast<int>(length);
}

bool FieldReader::feed(std::string_view bytes) {
    for (char c : bytes) {
        if (step_ == Step::Done || step_ == Step::Failed) break;
        if (afterCR_) {
            afterCR_ = false;
            if (c == '\n') continue;  // the rest of a CR LF
        }
        switch (step_) {
            case Step::BeforeValue:
                if (c == ' ') break;
                if (c == '-') {
                    negative_ = true;
                    step_ = Step::Sign;
                } else if (isDigit(c)) {
                    magnitude_ = c - '0';
                    step_ = Step::Digits;
                } else {
                    fail();  // an empty value or not a number
                }
                break;
            case Step::Sign:
                if (isDigit(c)) {
                    magnitude_ = c - '0';
                    step_ = Step::Digits;
                } else {
                    fail();
                }
                break;
            case Step::Digits:
                if (isDigit(c)) {
                    magnitude_ = magnitude_ * 10 + (c - '0');
                    if (magnitude_ > 32768) fail();  // far beyond any value allowed
                } else if (c == ' ') {
                    step_ = Step::AfterValue;
                } else if (endsValue(c)) {
                    endValue();
                    afterCR_ = c == '\r';
                } else {
                    fail();
                }
                break;
            case Step::AfterValue:
                if (c == ' ') break;
                if (endsValue(c)) {
                    endValue();
                    afterCR_ = c == '\r';
                } else {
                    fail();
                }
                break;
            case Step::Done:
            case Step::Failed:
                break;
        }
    }
    return step_ != Step::Done && step_ != Step::Failed;
}

void FieldReader::endValue() {
    const std::int32_t value = negative_ ? -magnitude_ : magnitude_;
    const bool allowed =
        count_ == 0 ? value >= 1 && value <= kPuzzleCount : value >= kCodeX && value <= kCodeBlank;
    if (!allowed) {
        fail();
        return;
    }
    const auto v = static_cast<std::int16_t>(value);
    if (count_ == 0)
        values_.puzzleNum = v;
    else
        values_.codes[static_cast<std::size_t>(count_ - 1)] = v;
    ++count_;
    negative_ = false;
    magnitude_ = 0;
    step_ = count_ == kSaveFields ? Step::Done : Step::BeforeValue;
}

void FieldReader::finish() {
    // The last value may end with the file.
    if (step_ == Step::Digits || step_ == Step::AfterValue) endValue();
    if (step_ != Step::Done) fail();
}

std::optional<SavedPuzzle> FieldReader::result() const {
    if (step_ != Step::Done) return std::nullopt;
    return values_;
}

std::optional<SavedPuzzle> parseSaveFile(std::string_view content) {
    const bool whole = content.size() <= kTailBytes;
    const std::string_view tail = whole ? content : content.substr(content.size() - kTailBytes);
    if (!passesLengthTest(lastLineLength(tail, whole))) return std::nullopt;
    FieldReader reader;
    if (reader.feed(content)) reader.finish();
    return reader.result();
}

ReadResult ReadSaveFile(const std::string &path) {
    const ReadResult unreadable{std::nullopt, true};
    // Not blocking: a FIFO with no writer must not hang the window.
    Descriptor file(::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (file.get() < 0) return unreadable;
    struct stat info {};
    if (::fstat(file.get(), &info) != 0 || !S_ISREG(info.st_mode)) return unreadable;

    // The length test needs only the file's final bytes.
    const off_t size = info.st_size;
    const off_t tailStart =
        size > static_cast<off_t>(kTailBytes) ? size - static_cast<off_t>(kTailBytes) : 0;
    char tail[kTailBytes];
    const ssize_t tailRead =
        readAt(file.get(), tail, static_cast<std::size_t>(size - tailStart), tailStart);
    if (tailRead < 0) return unreadable;
    const std::string_view tailBytes(tail, static_cast<std::size_t>(tailRead));
    if (!passesLengthTest(lastLineLength(tailBytes, tailStart == 0))) return {};

    // The values, from the start, only as far as they go.
    FieldReader reader;
    char buffer[4096];
    off_t offset = 0;
    for (;;) {
        const ssize_t n = readAt(file.get(), buffer, sizeof buffer, offset);
        if (n < 0) return unreadable;
        if (n == 0) {
            reader.finish();
            break;
        }
        offset += n;
        if (!reader.feed(std::string_view(buffer, static_cast<std::size_t>(n)))) break;
    }
    return {reader.result(), false};
}

bool WriteSaveFile(const std::string &path, std::int16_t puzzleNum, const CellCodes &codes) {
    const std::string text = saveFileText(puzzleNum, codes);

    // A link is followed, so that the file it names is replaced, not the link.
    std::string target = path;
    struct stat info {};
    if (::lstat(path.c_str(), &info) == 0 && S_ISLNK(info.st_mode)) {
        if (char *real = ::realpath(path.c_str(), nullptr)) {
            target = real;
            std::free(real);
        }
    }
    const bool replacing = ::stat(target.c_str(), &info) == 0;
    if (replacing) {
        // Only a file we may write is replaced: not a folder, nor a file
        // made read-only.
        if (!S_ISREG(info.st_mode) || ::access(target.c_str(), W_OK) != 0) return false;
    }

    const std::string folder = folderOf(target);
    std::string temporary;
    Descriptor file(createTemporary(folder, temporary));
    if (file.get() < 0) return false;
    bool ok = true;
    if (replacing) ok = ::fchmod(file.get(), info.st_mode & 07777) == 0;
    // The data must be on the disk before the rename makes it the file: a
    // full disk shows here, and a crash after the rename finds it whole.
    ok = ok && writeAll(file.get(), text) && ::fsync(file.get()) == 0;
    ok = file.close() && ok;
    ok = ok && ::rename(temporary.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temporary.c_str());
        return false;
    }
    // Make the rename itself last across a crash.
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (dir.get() >= 0) ::fsync(dir.get());
    return true;
}

}  // namespace zentrivo
