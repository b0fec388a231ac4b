#include "sim/pictures/picture_folder.h"

#include <cstdio>

#include "lisp/utf8.h"
#include "sim/host.h"
#include "sim/pictures/drawing_picture.h"
#include "sim/pictures/window_picture.h"

namespace vexa::sim::pictures {

std::string fileStem(const std::wstring& title) {
    std::string stem;
    bool gap = false;
    for (wchar_t c : title) {
        const bool letter = (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9');
        const bool upper = c >= L'A' && c <= L'Z';
        if (!letter && !upper) {
            gap = !stem.empty();
            continue;
        }
        if (gap) stem += '-';
        gap = false;
        stem += static_cast<char>(upper ? c - L'A' + L'a' : c);
        if (stem.size() >= 40) break;
    }
    return stem.empty() ? "window" : stem;
}

PictureFolder::PictureFolder(Host& host, std::filesystem::path folder) : host_(host), folder_(std::move(folder)) {
    std::filesystem::create_directories(folder_);
}

std::filesystem::path PictureFolder::nextFile(const std::wstring& title) {
    char number[16];
    std::snprintf(number, sizeof number, "%03d-", ++count_);
    return folder_ / (number + fileStem(title) + ".png");
}

void PictureFolder::take(HWND window) {
    win::WindowSystem& system = host_.windows();
    if (window == nullptr) {
        const std::filesystem::path file = nextFile(L"drawing");
        drawDrawingView(host_, fonts_)->writePng(file);
        host_.commandLine().print(L"\n[picture " + file.filename().wstring() + L"]\n");
        return;
    }
    WindowPicture picture = drawWindow(system, fonts_, window);
    if (!picture.canvas) return;
    const std::filesystem::path file = nextFile(system.text(window));
    picture.canvas->writePng(file);
    host_.commandLine().print(L"[picture " + file.filename().wstring() + L"]\n");
    for (const ClippedText& clipped : picture.clipped) {
        host_.commandLine().print(L"[caption does not fit: " + std::to_wstring(clipped.id) + L" \"" + clipped.text + L"\"]\n");
    }
}

}  // namespace vexa::sim::pictures
