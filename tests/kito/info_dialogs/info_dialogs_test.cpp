// The hint, web-page, about and splash windows, and the plug-in's word size.
#include <fstream>

#include "kito/resource.h"
#include "sim/host.h"
#include "support/kito_fixture.h"

namespace {

using vexa::sim::win::DialogAct;
using vexa::sim::win::DialogView;

class InfoDialogs : public vexa::test::KitoTest {
protected:
    void act(DialogAct dialogAct) { host.user().queue(std::move(dialogAct)); }
    void look(std::function<void(DialogView&)> check) { act(DialogAct::query(std::move(check))); }
    std::size_t splashes() {
        std::size_t count = 0;
        for (HWND window : host.windows().windows()) count += host.windows().find(window)->templateName == L"106";
        return count;
    }
};

TEST_F(InfoDialogs, TheHintShowsItsTextsAndReturnsTheBoxAtOk) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"Caption");
        EXPECT_EQ(dialog.text(IDC_HINT_TEXT), L"Text");
        EXPECT_EQ(dialog.text(IDC_HINT_CHECK), L"Never again");
        EXPECT_EQ(dialog.text(IDOK), L"Fine");
        EXPECT_EQ(SendMessageW(dialog.handle(), WM_ACAD_KEEPFOCUS, 0, 0), 1);
    });
    act(DialogAct::check(IDC_HINT_CHECK));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-HintDlg \"Text\" \"Caption\" \"Never again\" \"Fine\" T)"), L"1");
}

TEST_F(InfoDialogs, TheHintWithoutCheckBoxReturnsZeroAndMissingTextsAreEmpty) {
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.visible(IDC_HINT_CHECK));
        EXPECT_EQ(dialog.text(IDOK), L"");
    });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-HintDlg \"Text\" 5)"), L"0");
}

TEST_F(InfoDialogs, TheWebPageBoxIsClearAtEveryOpeningAndThePageIsLoaded) {
    std::filesystem::create_directories(host.drives().root() / "c" / "Vexa");
    std::ofstream(host.drives().root() / "c" / "Vexa" / "hint.htm")
        << "<html><head><title>Hint page</title></head><body><p>Line  one</p><p>Line two</p></body></html>";
    for (int opening = 0; opening < 2; ++opening) {
        look([](DialogView& dialog) {
            EXPECT_EQ(dialog.checked(IDC_HTML_CHECK), BST_UNCHECKED);
            const std::wstring shown = dialog.dump();
            EXPECT_NE(shown.find(L"title \"Hint page\"]"), std::wstring::npos);
            EXPECT_NE(shown.find(L" px\n      Line one\n      Line two"), std::wstring::npos);
        });
        act(DialogAct::check(IDC_HTML_CHECK));
        act(DialogAct::click(IDOK));
        EXPECT_EQ(eval(L"(Vexa-HtmlDlg \"file:///C:/VEXA/Hint.htm\" \"Web\" \"No more\" \"OK\" T)"), L"1");
    }
}

TEST_F(InfoDialogs, TheAboutNoticeIsChineseOnlyForLowerCaseCht) {
    for (const wchar_t* language : {L"cht", L"CHT", L"eng"}) {
        const bool chinese = std::wstring(language) == L"cht";
        look([chinese](DialogView& dialog) {
            EXPECT_EQ(dialog.text(IDC_ABOUT_NOTICE).find(L"\u7248\u6b0a\u6240\u6709") != std::wstring::npos, chinese);
        });
        act(DialogAct::click(IDOK));
        eval(L"(Vexa-about \"About\" \"OK\" 0 \"Site\" \"https://vexa.example\" \"" + std::wstring(language) + L"\")");
    }
}

TEST_F(InfoDialogs, TheLinkOpensTheAddressAndTheBoxStays) {
    act(DialogAct::click(IDC_ABOUT_LINK));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.title(), L"About"); });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(eval(L"(Vexa-about \"About\" \"OK\" 0 \"Site\" \"https://vexa.example\" \"eng\" 9)"), L"nil");
    ASSERT_EQ(host.shell().all().size(), 1u);
    EXPECT_EQ(host.shell().all()[0].describe(), L"open \"https://vexa.example\" SW_SHOWNORMAL");
}

TEST_F(InfoDialogs, TheSplashOpensOnceAndModeTwoOpensNothing) {
    EXPECT_EQ(eval(L"(Vexa-welcome 2)"), L"(7 5 3 \"Vexa\" \"Vexa\")");
    EXPECT_EQ(eval(L"(Vexa-welcome 0)"), L"nil");
    EXPECT_EQ(splashes(), 0u);
    eval(L"(Vexa-welcome 1)");
    eval(L"(Vexa-welcome 1)");
    EXPECT_EQ(splashes(), 1u);
    eval(L"(Vexa-welcome 5)");
    EXPECT_EQ(splashes(), 1u);
    eval(L"(Vexa-welcome 0)");
    EXPECT_EQ(splashes(), 0u);
}

TEST_F(InfoDialogs, TheSplashPumpPutsAQuitBackAndUnloadingClosesTheSplash) {
    PostQuitMessage(3);
    eval(L"(Vexa-welcome 1)");
    MSG message{};
    ASSERT_TRUE(PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE));
    EXPECT_EQ(message.message, WM_QUIT);
    EXPECT_EQ(message.wParam, 3u);
    host.unloadPlugin(L"VexaKito");
    EXPECT_EQ(splashes(), 0u);
}

TEST_F(InfoDialogs, OsTypeAnswersTheWordSizeOfThisBuild) {
    EXPECT_EQ(eval(L"(Vexa-OSType 1 2)"), std::to_wstring(sizeof(void*) * 8));
}

}  // namespace
