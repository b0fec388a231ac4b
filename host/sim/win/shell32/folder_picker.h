// The shell's folder picker. The scripted user answers it with the act "folder PATH" or
// "folder-cancel"; the item id lists it hands out are counted until freed.
#pragma once

#include <cstddef>
#include <set>
#include <string>
#include <vector>

#include "win/shlobj.h"

namespace vexa::sim {
class Host;
}

namespace vexa::sim::win {

struct FolderRequest {
    HWND owner;
    std::wstring title;
    UINT flags;
};

class FolderPicker {
public:
    explicit FolderPicker(Host& host) : host_(host) {}
    FolderPicker(const FolderPicker&) = delete;
    FolderPicker& operator=(const FolderPicker&) = delete;
    ~FolderPicker();

    PIDLIST_ABSOLUTE browse(const BROWSEINFOW& info);
    // The folder a live list names; empty for a list this picker did not hand out.
    std::wstring pathOf(PCIDLIST_ABSOLUTE list) const;
    void free(ITEMIDLIST* list);

    // Every time the picker was shown, in order.
    const std::vector<FolderRequest>& requests() const { return requests_; }
    std::size_t liveLists() const { return lists_.size(); }

private:
    PIDLIST_ABSOLUTE listFor(const std::wstring& path);

    Host& host_;
    std::vector<FolderRequest> requests_;
    std::set<const ITEMIDLIST*> lists_;
};

}  // namespace vexa::sim::win
