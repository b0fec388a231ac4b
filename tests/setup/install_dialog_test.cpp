// "Vexa-InstallDlg": texts per language, the agreement step, the folder picker, the folder
// validation and the result.
#include <fstream>
#include <sstream>

#include "setup/resource.h"
#include "support/setup_fixture.h"
#include "sim/win/user32/resources.h"
#include "win/shlobj.h"

namespace {

using vexa::sim::win::DialogView;

constexpr int messageText = 0xFFFF;

class InstallDialog : public vexa::test::SetupTest {
protected:
    // The invalid-folder message box: its text, and the icon and empty caption it must have.
    void expectInvalidFolder(const std::wstring& text) {
        look([this, text](DialogView& box) {
            ASSERT_TRUE(box.isMessageBox());
            EXPECT_EQ(box.text(messageText), text);
            EXPECT_EQ(box.title(), L"");
            EXPECT_EQ(host.windows().find(box.handle())->messageBoxType & MB_ICONMASK, MB_ICONSTOP);
        });
        act(DialogAct::answer(IDOK));
    }
    static std::string contents(const std::filesystem::path& file) {
        std::ostringstream text;
        text << std::ifstream(file).rdbuf();
        return text.str();
    }
};

TEST_F(InstallDialog, NoArgumentsShowTheEnglishAgreementWithTheDefaultFolder) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"");
        EXPECT_TRUE(dialog.visible(IDC_AGREE));
        EXPECT_EQ(dialog.text(IDC_AGREE), L"Agree");
        for (int id : {IDOK, IDC_FOLDER, IDC_FOLDER_LABEL, IDC_BROWSE, IDC_UAC_NOTE, IDC_TEMPLATES}) {
            EXPECT_FALSE(dialog.visible(id)) << id;
        }
        EXPECT_EQ(dialog.text(IDC_FOLDER), L"C:\\Program Files\\Tarnwell Vexa");
        EXPECT_EQ(dialog.checked(IDC_TEMPLATES), BST_UNCHECKED);
        EXPECT_EQ(SendMessageW(dialog.handle(), WM_ACAD_KEEPFOCUS, 0, 0), 1);
    });
    click(IDC_AGREE);
    look([](DialogView& dialog) {
        EXPECT_FALSE(dialog.visible(IDC_AGREE));
        for (int id : {IDOK, IDC_FOLDER, IDC_FOLDER_LABEL, IDC_BROWSE, IDC_UAC_NOTE, IDC_TEMPLATES}) {
            EXPECT_TRUE(dialog.visible(id)) << id;
        }
        EXPECT_EQ(dialog.text(IDC_TEMPLATES), L"Set Tarnwell Vexa templates as default templates.");
    });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg)"), L"nil");
}

TEST_F(InstallDialog, ChineseCodesSetTheirTextsAndPickerTitleOtherCodesAreEnglish) {
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"安裝Vexa");
        EXPECT_EQ(dialog.text(IDC_FOLDER_LABEL), L"安裝資料夾");
        EXPECT_EQ(dialog.text(IDC_BROWSE), L"瀏覽...");
        EXPECT_EQ(dialog.text(IDC_AGREE), L"同意");
        EXPECT_EQ(dialog.text(IDOK), L"安裝");
        EXPECT_EQ(dialog.text(IDCANCEL), L"取消");
        EXPECT_EQ(dialog.text(IDC_TEMPLATES), L"將 Tarnwell Vexa 樣板設為預設。");
        EXPECT_EQ(dialog.text(IDC_FOLDER), L"D:\\Vexa");
    });
    click(IDC_AGREE);
    click(IDC_BROWSE);
    act(DialogAct::cancelFolder());
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_FOLDER), L"D:\\Vexa"); });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg \"D:\\\\Vexa\" \"cht\")"), L"nil");
    ASSERT_EQ(host.folderPicker().requests().size(), 1u);
    EXPECT_EQ(host.folderPicker().requests()[0].title, L"選擇安裝資料夾");
    EXPECT_EQ(host.folderPicker().requests()[0].flags & BIF_RETURNONLYFSDIRS, BIF_RETURNONLYFSDIRS);

    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"安装Vexa");
        EXPECT_EQ(dialog.text(IDC_UAC_NOTE),
                  L"若要在 Windows Vista 系统中安装于其它资料夹，可能得先关闭使用者帐户控制(UAC)，才能顺利安装。");
    });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg \"C:\\\\Vexa\" \"chs\")"), L"nil");

    // A folder that is no string is the default; a code that is no string is English.
    look([](DialogView& dialog) {
        EXPECT_EQ(dialog.title(), L"");
        EXPECT_EQ(dialog.text(IDC_FOLDER), L"C:\\Program Files\\Tarnwell Vexa");
        EXPECT_EQ(dialog.text(IDOK), L"Install");
    });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg 5 '(\"cht\"))"), L"nil");
}

TEST_F(InstallDialog, InstallMakesTheFolderAndReturnsItWithTheTemplatesFlag) {
    click(IDC_AGREE);
    act(DialogAct::check(IDC_TEMPLATES));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg \"C:\\\\Tarnwell\")"), L"(\"C:\\\\Tarnwell\" 1)");
    EXPECT_TRUE(std::filesystem::is_directory(driveC() / "Tarnwell"));
    EXPECT_TRUE(std::filesystem::is_empty(driveC() / "Tarnwell"));
    EXPECT_EQ(host.kernelHandles().openCount(), 0u);

    // Ticked and cleared again is 0.
    click(IDC_AGREE);
    act(DialogAct::check(IDC_TEMPLATES));
    act(DialogAct::uncheck(IDC_TEMPLATES));
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg \"C:\\\\Tarnwell\" \"chs\")"), L"(\"C:\\\\Tarnwell\" 0)");
}

TEST_F(InstallDialog, TheChosenFolderReplacesTheTypedOne) {
    std::filesystem::create_directories(driveC() / "CAD" / "Vexa");
    click(IDC_AGREE);
    click(IDC_BROWSE);
    act(DialogAct::chooseFolder(L"C:\\CAD\\Vexa"));
    look([](DialogView& dialog) { EXPECT_EQ(dialog.text(IDC_FOLDER), L"C:\\CAD\\Vexa"); });
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg)"), L"(\"C:\\\\CAD\\\\Vexa\" 0)");
    EXPECT_EQ(host.folderPicker().requests().at(0).title, L"Select the installation folder.");
    EXPECT_EQ(host.folderPicker().liveLists(), 0u);
}

TEST_F(InstallDialog, AnEmptyOrUnwritableFolderIsRefusedAndTheDialogStays) {
    click(IDC_AGREE);
    act(DialogAct::replaceText(IDC_FOLDER, L""));
    click(IDOK);
    expectInvalidFolder(L"Invalid folder.");
    // Two levels that do not exist: only one is made, so the probe cannot be written.
    act(DialogAct::replaceText(IDC_FOLDER, L"C:\\Missing\\Deeper"));
    click(IDOK);
    expectInvalidFolder(L"Invalid folder.");
    look([](DialogView& dialog) { EXPECT_TRUE(dialog.visible(IDOK)); });
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg)"), L"nil");
    EXPECT_TRUE(std::filesystem::is_empty(driveC()));

    host.faults().arm(L"CreateFileW");
    click(IDC_AGREE);
    click(IDOK);
    expectInvalidFolder(L"無效的資料夾。");
    click(IDCANCEL);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg \"C:\\\\Vexa\" \"cht\")"), L"nil");
    EXPECT_EQ(host.kernelHandles().openCount(), 0u);
}

TEST_F(InstallDialog, AProbeFileTheUserHadIsLeftAsItWas) {
    std::filesystem::create_directories(driveC() / "Vexa");
    std::ofstream(driveC() / "Vexa" / "_install.$__") << "the user's own";
    click(IDC_AGREE);
    click(IDOK);
    EXPECT_EQ(eval(L"(Vexa-InstallDlg \"C:\\\\Vexa\")"), L"(\"C:\\\\Vexa\" 0)");
    EXPECT_EQ(contents(driveC() / "Vexa" / "_install.$__"), "the user's own");
}

TEST_F(InstallDialog, TheAgreementPagesAreHtmlResourcesOfTheModule) {
    const auto entries = vexa::sim::win::readResourceFile(host.plugin(L"VexaSetup")->resources());
    auto page = [&](WORD id) {
        for (const auto& entry : entries) {
            if (entry.type == vexa::sim::win::ResourceId::of(23) && entry.name == vexa::sim::win::ResourceId::of(id)) {
                return std::string(entry.data.begin(), entry.data.end());
            }
        }
        return std::string();
    };
    EXPECT_NE(page(IDR_AGREEMENT_ENU).find("<title>Tarnwell Vexa Licence Agreement</title>"), std::string::npos);
    EXPECT_NE(page(IDR_AGREEMENT_CHT).find("<title>Tarnwell Vexa 授權合約</title>"), std::string::npos);
    EXPECT_NE(page(IDR_AGREEMENT_CHS).find("<title>Tarnwell Vexa 许可协议</title>"), std::string::npos);
}

TEST_F(InstallDialog, TheBrowserShowsTheLanguagesPageUntilAgree) {
    const std::pair<const wchar_t*, const wchar_t*> pages[] = {
        {L"\"enu\"", L"VexaSetup.arx/104\" title \"Tarnwell Vexa Licence Agreement\""},
        {L"\"cht\"", L"VexaSetup.arx/103\" title \"Tarnwell Vexa 授權合約\""},
        {L"\"chs\"", L"VexaSetup.arx/107\" title \"Tarnwell Vexa 许可协议\""},
    };
    for (const auto& [language, shown] : pages) {
        look([shown](DialogView& dialog) {
            EXPECT_NE(dialog.dump().find(L"address \"res://C:\\Program Files\\Tarnwell Vexa\\" + std::wstring(shown)),
                      std::wstring::npos)
                << vexa::test::narrow(dialog.dump());
        });
        click(IDC_AGREE);
        look([](DialogView& dialog) { EXPECT_FALSE(dialog.visible(IDC_BROWSER)); });
        click(IDCANCEL);
        EXPECT_EQ(eval(L"(Vexa-InstallDlg \"C:\\\\Vexa\" " + std::wstring(language) + L")"), L"nil");
    }
}

}  // namespace
