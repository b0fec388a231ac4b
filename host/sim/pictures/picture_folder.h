// The pictures a run takes: each window the user looks at (`show`, `picture`) and the drawing
// view, as numbered PNG files in one folder, named on the command line with every caption that
// does not fit its control.
#pragma once

#include <filesystem>
#include <string>

#include "sim/pictures/picture_fonts.h"
#include "win/winuser.h"

namespace vexa::sim {
class Host;
}

namespace vexa::sim::pictures {

class PictureFolder {
public:
    // Makes the folder when missing.
    PictureFolder(Host& host, std::filesystem::path folder);

    // The window's picture, or the drawing view's for null: "[picture 003-layer-manager.png]".
    void take(HWND window);
    int count() const { return count_; }

private:
    std::filesystem::path nextFile(const std::wstring& title);

    Host& host_;
    std::filesystem::path folder_;
    PictureFonts fonts_;
    int count_ = 0;
};

// Lowercase ASCII letters and digits of a title joined by hyphens ("Layer Manager" → "layer-manager").
std::string fileStem(const std::wstring& title);

}  // namespace vexa::sim::pictures
