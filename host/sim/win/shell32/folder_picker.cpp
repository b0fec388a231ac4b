#include "sim/win/shell32/folder_picker.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "sim/host.h"

namespace vexa::sim::win {

namespace {

// A list of one item whose id holds the folder's path, then the zero terminator a list ends with.
std::size_t listSize(std::size_t pathLength) { return sizeof(USHORT) + (pathLength + 1) * sizeof(wchar_t) + sizeof(USHORT); }

}  // namespace

FolderPicker::~FolderPicker() {
    for (const ITEMIDLIST* list : lists_) delete[] reinterpret_cast<const std::byte*>(list);
}

PIDLIST_ABSOLUTE FolderPicker::browse(const BROWSEINFOW& info) {
    const std::wstring title = info.lpszTitle != nullptr ? info.lpszTitle : L"";
    requests_.push_back({info.hwndOwner, title, info.ulFlags});
    UserInput& user = host_.user();
    using Kind = DialogAct::Kind;
    const bool answered = user.nextIsDialogAct() && (user.nextDialogAct().kind == Kind::ChooseFolder ||
                                                     user.nextDialogAct().kind == Kind::CancelFolder);
    if (!answered) {
        host_.audit().record(L"the folder picker \"" + title + L"\" found " +
                             (user.empty() ? std::wstring(L"no act") : L"the act \"" + user.describeNext() + L"\"") +
                             L" next; it was cancelled");
        return nullptr;
    }
    const DialogAct act = user.takeDialogAct();
    if (act.kind == Kind::CancelFolder) return nullptr;

    std::error_code error;
    const auto folder = host_.drives().toHost(act.text);
    if (!folder || !std::filesystem::is_directory(*folder, error)) {
        host_.audit().record(L"the folder picker \"" + title + L"\" has no folder " + act.text + L"; it was cancelled");
        return nullptr;
    }
    if (info.pszDisplayName != nullptr) {
        const std::wstring name = folder->filename().wstring();
        const std::size_t count = std::min<std::size_t>(name.size(), MAX_PATH - 1);
        std::copy_n(name.begin(), count, info.pszDisplayName);
        info.pszDisplayName[count] = L'\0';
    }
    return listFor(act.text);
}

PIDLIST_ABSOLUTE FolderPicker::listFor(const std::wstring& path) {
    auto* bytes = new std::byte[listSize(path.size())]();
    const auto itemSize = static_cast<USHORT>(sizeof(USHORT) + (path.size() + 1) * sizeof(wchar_t));
    std::memcpy(bytes, &itemSize, sizeof itemSize);
    std::memcpy(bytes + sizeof(USHORT), path.c_str(), (path.size() + 1) * sizeof(wchar_t));
    auto* list = reinterpret_cast<ITEMIDLIST*>(bytes);
    lists_.insert(list);
    return list;
}

std::wstring FolderPicker::pathOf(PCIDLIST_ABSOLUTE list) const {
    if (!lists_.contains(list)) return {};
    const auto* bytes = reinterpret_cast<const std::byte*>(list);
    USHORT itemSize = 0;
    std::memcpy(&itemSize, bytes, sizeof itemSize);
    std::wstring path((itemSize - sizeof(USHORT)) / sizeof(wchar_t) - 1, L'\0');
    std::memcpy(path.data(), bytes + sizeof(USHORT), path.size() * sizeof(wchar_t));
    return path;
}

void FolderPicker::free(ITEMIDLIST* list) {
    if (lists_.erase(list) == 1) delete[] reinterpret_cast<std::byte*>(list);
}

}  // namespace vexa::sim::win
