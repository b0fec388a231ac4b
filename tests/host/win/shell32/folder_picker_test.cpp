// The shell's folder picker, answered by the scripted user's "folder" and "folder-cancel" acts.
#include "sim/user/dialog_act.h"
#include "support/host_fixture.h"
#include "win/shlobj.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::parseDialogAct;

class FolderPicker : public vexa::test::HostTest {
protected:
    PIDLIST_ABSOLUTE browse(const wchar_t* title) {
        BROWSEINFOW info{};
        info.pszDisplayName = displayName;
        info.lpszTitle = title;
        info.ulFlags = BIF_RETURNONLYFSDIRS;
        return SHBrowseForFolderW(&info);
    }
    wchar_t displayName[MAX_PATH] = {};
};

TEST_F(FolderPicker, AChosenFolderComesBackAsItsPath) {
    std::filesystem::create_directories(host.drives().root() / "c" / "CAD");
    host.user().queue(*parseDialogAct(L"folder", L"C:\\CAD"));
    PIDLIST_ABSOLUTE chosen = browse(L"Pick");
    ASSERT_NE(chosen, nullptr);
    wchar_t path[MAX_PATH];
    EXPECT_TRUE(SHGetPathFromIDListW(chosen, path));
    EXPECT_STREQ(path, L"C:\\CAD");
    EXPECT_STREQ(displayName, L"CAD");
    EXPECT_EQ(host.folderPicker().liveLists(), 1u);
    ILFree(chosen);
    EXPECT_EQ(host.folderPicker().liveLists(), 0u);
    EXPECT_FALSE(SHGetPathFromIDListW(chosen, path));
}

TEST_F(FolderPicker, CancelAMissingFolderOrAnotherActGiveNothing) {
    host.user().queue(*parseDialogAct(L"folder-cancel", L""));
    EXPECT_EQ(browse(L"Pick"), nullptr);

    host.user().queue(DialogAct::chooseFolder(L"C:\\Nowhere"));
    EXPECT_EQ(browse(L"Pick"), nullptr);
    host.user().queue(DialogAct::click(1));
    EXPECT_EQ(browse(L"Pick"), nullptr);
    host.user().clear();
    EXPECT_EQ(browse(L"Pick"), nullptr);
    const auto faults = host.audit().take();
    ASSERT_EQ(faults.size(), 3u);
    EXPECT_EQ(faults[0], L"the folder picker \"Pick\" has no folder C:\\Nowhere; it was cancelled");
    EXPECT_EQ(faults[1], L"the folder picker \"Pick\" found the act \"click 1\" next; it was cancelled");
    EXPECT_EQ(faults[2], L"the folder picker \"Pick\" found no act next; it was cancelled");
    EXPECT_EQ(host.folderPicker().requests().size(), 4u);
    EXPECT_THROW(parseDialogAct(L"folder", L""), std::invalid_argument);
}

}  // namespace
