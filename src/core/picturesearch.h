// Where the game finds the files of its QRX-Images folder. A player may start
// the game from any folder: a "QRX-Images" folder under the current folder
// comes first (so that a folder of pictures beside the player's saves wins),
// then the installed data folder found relative to the program
// (<prefix>/share/zentrivo/QRX-Images, from <prefix>/bin or <prefix>/games),
// then a "QRX-Images" folder beside the program (the build tree).
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zentrivo {

// The folders searched, in order. The first is the relative path
// "QRX-Images", resolved against the current folder when a file is opened.
std::vector<std::filesystem::path> pictureFolders(const std::filesystem::path &programDir);

// The file to open for the picture `name` ("blank.gif"): the first folder that
// holds it. Where `preferDouble` is set, "name@2x.gif" is taken before
// "name.gif" in each folder. Only looks at the folders' entries (no file is
// opened). Empty where no folder holds it. A search that passes `from` a
// found file's `next` goes on after that file (when it could not be used).
struct PictureFile {
    std::filesystem::path path;
    bool isDouble = false;  // the file drawn at twice the size
    int next = 0;           // where a search for a further file starts
};
std::optional<PictureFile> findPicture(const std::string &name,
                                       const std::vector<std::filesystem::path> &folders,
                                       bool preferDouble = false, int from = 0);

// "name@2x.ext" for "name.ext".
std::string doubleSizeName(const std::string &name);

// One line naming the picture that was not found and the folders searched.
std::string pictureMissingMessage(const std::string &name,
                                  const std::vector<std::filesystem::path> &folders);

// One line naming a picture file that is not used: `why` says what is wrong
// with it ("is 5600 x 5600 pixels, more than ...").
std::string pictureRefusedMessage(const std::filesystem::path &file, const std::string &why);

}  // namespace zentrivo
