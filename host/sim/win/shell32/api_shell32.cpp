// The shell calls, reaching the current host's folder picker.
#include <algorithm>

#include "sim/host.h"
#include "win/shlobj.h"

using vexa::sim::Host;

PIDLIST_ABSOLUTE SHBrowseForFolderW(BROWSEINFOW* info) {
    Host* host = Host::current();
    return host != nullptr && info != nullptr ? host->folderPicker().browse(*info) : nullptr;
}

BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path) {
    Host* host = Host::current();
    if (host == nullptr || path == nullptr) return FALSE;
    const std::wstring folder = host->folderPicker().pathOf(list);
    path[0] = L'\0';
    if (folder.empty() || folder.size() >= MAX_PATH) return FALSE;
    std::copy(folder.begin(), folder.end(), path);
    path[folder.size()] = L'\0';
    return TRUE;
}

void ILFree(ITEMIDLIST* list) {
    if (Host* host = Host::current()) host->folderPicker().free(list);
}
