// The shell's folder picker and its item id lists (shell32; real Windows values).
#pragma once

#include "win/winbase.h"

using USHORT = unsigned short;

struct SHITEMID {
    USHORT cb;
    BYTE abID[1];
};
struct ITEMIDLIST {
    SHITEMID mkid;
};
using PIDLIST_ABSOLUTE = ITEMIDLIST*;
using PCIDLIST_ABSOLUTE = const ITEMIDLIST*;
using LPITEMIDLIST = ITEMIDLIST*;

using BFFCALLBACK = int(CALLBACK*)(HWND window, UINT message, LPARAM lParam, LPARAM data);

struct BROWSEINFOW {
    HWND hwndOwner;
    PCIDLIST_ABSOLUTE pidlRoot;
    LPWSTR pszDisplayName;  // MAX_PATH characters: the chosen item's display name
    LPCWSTR lpszTitle;
    UINT ulFlags;
    BFFCALLBACK lpfn;
    LPARAM lParam;
    int iImage;
};

constexpr UINT BIF_RETURNONLYFSDIRS = 0x0001;
constexpr UINT BIF_DONTGOBELOWDOMAIN = 0x0002;
constexpr UINT BIF_STATUSTEXT = 0x0004;
constexpr UINT BIF_RETURNFSANCESTORS = 0x0008;
constexpr UINT BIF_EDITBOX = 0x0010;
constexpr UINT BIF_VALIDATE = 0x0020;
constexpr UINT BIF_NEWDIALOGSTYLE = 0x0040;
constexpr UINT BIF_NONEWFOLDERBUTTON = 0x0200;

// Modal, owned by hwndOwner; the chosen folder's item id list, or null when the user cancels.
// The caller frees the list with ILFree.
PIDLIST_ABSOLUTE SHBrowseForFolderW(BROWSEINFOW* info);
// The list's file-system path into path (MAX_PATH characters); FALSE for anything else.
BOOL SHGetPathFromIDListW(PCIDLIST_ABSOLUTE list, LPWSTR path);
void ILFree(ITEMIDLIST* list);
