#include "sim/win/kernel32/drive_paths.h"

#include <cstdlib>
#include <cwctype>
#include <system_error>
#include <vector>

namespace vexa::sim::win {

namespace {

bool sameIgnoringCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (std::towlower(a[i]) != std::towlower(b[i])) return false;
    }
    return true;
}

// The existing entry of folder whose name equals name ignoring case, else name as written.
std::filesystem::path entryIgnoringCase(const std::filesystem::path& folder, const std::wstring& name) {
    std::error_code error;
    if (std::filesystem::exists(folder / name, error)) return folder / name;
    for (std::filesystem::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        if (sameIgnoringCase(it->path().filename().wstring(), name)) return it->path();
    }
    return folder / name;
}

std::vector<std::wstring> components(std::wstring_view rest) {
    std::vector<std::wstring> parts;
    std::wstring part;
    auto flush = [&] {
        if (part == L"..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != L".") {
            parts.push_back(part);
        }
        part.clear();
    };
    for (wchar_t c : rest) {
        if (c == L'\\' || c == L'/') {
            flush();
        } else {
            part += c;
        }
    }
    flush();
    return parts;
}

std::filesystem::path makeTemporaryRoot() {
    std::string pattern = (std::filesystem::temp_directory_path() / "vexa-machine-XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("cannot make the simulated machine's folder");
    return pattern;
}

}  // namespace

DrivePaths::DrivePaths() : root_(makeTemporaryRoot()), owned_(true) {
    std::filesystem::create_directories(root_ / "c");
}

DrivePaths::DrivePaths(std::filesystem::path root) : root_(std::filesystem::absolute(std::move(root))) {
    std::filesystem::create_directories(root_ / "c");
}

DrivePaths::~DrivePaths() {
    std::error_code ignored;
    if (owned_) std::filesystem::remove_all(root_, ignored);
}

std::optional<std::filesystem::path> DrivePaths::toHost(std::wstring_view path) const {
    if (path.starts_with(L"\\\\?\\")) path.remove_prefix(4);
    if (path.size() < 2 || path[1] != L':' || (path.size() > 2 && path[2] != L'\\' && path[2] != L'/')) {
        return std::nullopt;
    }
    const wchar_t drive = static_cast<wchar_t>(std::towlower(path[0]));
    std::filesystem::path host;
    if (drive == L'c') {
        host = root_ / "c";
    } else if (drive == L'z') {
        host = "/";
    } else {
        return std::nullopt;
    }
    for (const std::wstring& part : components(path.substr(2))) host = entryIgnoringCase(host, part);
    return host;
}

std::wstring DrivePaths::toWindows(const std::filesystem::path& hostPath) const {
    const std::filesystem::path full = std::filesystem::absolute(hostPath).lexically_normal();
    const std::filesystem::path drive = (root_ / "c").lexically_normal();
    const std::filesystem::path relative = full.lexically_relative(drive);
    const bool onC = !relative.empty() && *relative.begin() != "..";
    std::wstring text = onC ? L"C:\\" : L"Z:\\";
    const std::filesystem::path rest = onC ? relative : full.relative_path();
    for (const auto& part : rest) {
        if (part == ".") continue;
        if (text.back() != L'\\') text += L'\\';
        text += part.wstring();
    }
    return text;
}

}  // namespace vexa::sim::win
