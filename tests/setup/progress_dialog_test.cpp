// "Vexa-ProgressDlg": one modeless window from mode 1 to the closing call, its label changed
// only for a new value.
#include "setup/resource.h"
#include "support/setup_fixture.h"

namespace {

using vexa::sim::win::DialogView;

class ProgressDialog : public vexa::test::SetupTest {
protected:
    std::vector<HWND> windows() {
        std::vector<HWND> found;
        for (HWND window : host.windows().windows()) {
            if (host.windows().find(window)->templateName == L"109") found.push_back(window);
        }
        return found;
    }
    DialogView window() { return DialogView(host.windows(), windows().at(0)); }
};

TEST_F(ProgressDialog, ModeOneTwiceKeepsTheFirstWindowAndText) {
    EXPECT_EQ(eval(L"(Vexa-ProgressDlg 1 \"Copying files...\")"), L"nil");
    EXPECT_EQ(eval(L"(Vexa-ProgressDlg 1 \"Other text\")"), L"nil");
    ASSERT_EQ(windows().size(), 1u);
    EXPECT_TRUE(IsWindowVisible(windows()[0]));
    // A top-level window owned by the host's main window, as MFC gives a dialog made without a parent.
    EXPECT_EQ(GetParent(windows()[0]), host.windows().mainWindow());
    EXPECT_EQ(window().text(IDC_PROGRESS_CAPTION), L"Copying files...");
    EXPECT_EQ(window().text(IDC_PROGRESS_PERCENT), L"0%");
    EXPECT_EQ(window().selection(IDC_PROGRESS_BAR), 0);

    EXPECT_EQ(eval(L"(Vexa-ProgressDlg 0)"), L"nil");
    EXPECT_TRUE(windows().empty());
    EXPECT_EQ(eval(L"(Vexa-ProgressDlg 1)"), L"nil");
    EXPECT_EQ(window().text(IDC_PROGRESS_CAPTION), L"");
    EXPECT_EQ(eval(L"(Vexa-ProgressDlg \"close\")"), L"nil");
    EXPECT_TRUE(windows().empty());
}

TEST_F(ProgressDialog, ModeTwoChangesLabelAndBarOnlyForANewValue) {
    eval(L"(Vexa-ProgressDlg 1 \"Copying\")");
    EXPECT_EQ(eval(L"(Vexa-ProgressDlg 2 40)"), L"nil");
    EXPECT_EQ(window().text(IDC_PROGRESS_PERCENT), L"40%");
    EXPECT_EQ(window().selection(IDC_PROGRESS_BAR), 40);

    // The same value touches nothing, not even a label changed behind its back.
    SetDlgItemTextW(window().handle(), IDC_PROGRESS_PERCENT, L"mark");
    eval(L"(Vexa-ProgressDlg 2 40)");
    EXPECT_EQ(window().text(IDC_PROGRESS_PERCENT), L"mark");

    // Not clamped in the label; a later 100 after 150 is a new value for it.
    eval(L"(Vexa-ProgressDlg 2 150)");
    EXPECT_EQ(window().text(IDC_PROGRESS_PERCENT), L"150%");
    EXPECT_EQ(window().selection(IDC_PROGRESS_BAR), 100);
    eval(L"(Vexa-ProgressDlg 2 100)");
    EXPECT_EQ(window().text(IDC_PROGRESS_PERCENT), L"100%");

    // A missing or non-integer value is 0.
    eval(L"(Vexa-ProgressDlg 2 \"x\")");
    EXPECT_EQ(window().text(IDC_PROGRESS_PERCENT), L"0%");
    eval(L"(Vexa-ProgressDlg 3)");
    EXPECT_EQ(eval(L"(Vexa-ProgressDlg 2 10)"), L"nil");
    EXPECT_TRUE(windows().empty());
}

TEST_F(ProgressDialog, OpeningPaintsButKeepsAQuitRequestAndUnloadCloses) {
    PostQuitMessage(7);
    eval(L"(Vexa-ProgressDlg 1 \"Copying\")");
    MSG message;
    ASSERT_TRUE(PeekMessageW(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(message.wParam, 7u);
    host.unloadPlugin(L"VexaSetup");
    EXPECT_TRUE(windows().empty());
}

}  // namespace
