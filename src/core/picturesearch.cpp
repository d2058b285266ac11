#include "core/picturesearch.h"

#include <algorithm>
#include <system_error>

namespace zentrivo {

namespace fs = std::filesystem;

std::vector<fs::path> pictureFolders(const fs::path &programDir) {
    const fs::path installed = programDir.parent_path() / "share" / "zentrivo" / "QRX-Images";
    return {fs::path("QRX-Images"), installed, programDir / "QRX-Images"};
}

std::string doubleSizeName(const std::string &name) {
    const std::string::size_type dot = name.rfind('.');
    if (dot == std::string::npos) return name + "@2x";
    return name.substr(0, dot) + "@2x" + name.substr(dot);
}

std::optional<PictureFile> findPicture(const std::string &name,
                                       const std::vector<fs::path> &folders, bool preferDouble,
                                       int from) {
    // The places in order: in each folder the double size, then the single.
    const int places = 2 * static_cast<int>(folders.size());
    for (int place = std::max(from, 0); place < places; ++place) {
        const bool isDouble = place % 2 == 0;
        if (isDouble && !preferDouble) continue;
        const fs::path file =
            folders[static_cast<size_t>(place / 2)] / (isDouble ? doubleSizeName(name) : name);
        std::error_code ec;
        if (fs::is_regular_file(file, ec)) return PictureFile{file, isDouble, place + 1};
    }
    return std::nullopt;
}

std::string pictureMissingMessage(const std::string &name, const std::vector<fs::path> &folders) {
    std::string line = "zentrivo: picture " + name + " not found in";
    for (size_t i = 0; i < folders.size(); ++i) {
        fs::path shown = folders[i];
        if (shown.is_relative()) {
            std::error_code ec;
            const fs::path absolute = fs::absolute(shown, ec);
            if (!ec) shown = absolute;
        }
        line += (i == 0 ? " " : ", ") + shown.string();
    }
    return line + "; it is shown white";
}

std::string pictureRefusedMessage(const fs::path &file, const std::string &why) {
    std::error_code ec;
    const fs::path absolute = fs::absolute(file, ec);
    return "zentrivo: picture " + (ec ? file : absolute).string() + " " + why + "; it is not used";
}

}  // namespace zentrivo
