#include "core/picturesearch.h"

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
                                       const std::vector<fs::path> &folders, bool preferDouble) {
    auto regular = [](const fs::path &p) {
        std::error_code ec;
        return fs::is_regular_file(p, ec);
    };
    for (const fs::path &folder : folders) {
        if (preferDouble && regular(folder / doubleSizeName(name)))
            return PictureFile{folder / doubleSizeName(name), true};
        if (regular(folder / name)) return PictureFile{folder / name, false};
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

}  // namespace zentrivo
