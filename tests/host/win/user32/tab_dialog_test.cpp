// The host's tabbed dialogs: pages built from their templates as children of the main dialog,
// shown one at a time, switched by the user's tab and refused by a page that must stay.
#include "sim/user/dialog_act.h"
#include "support/host_fixture.h"
#include "acad/acui_tab_dialog.h"
#include "host/win/user32/resource.h"

extern "C" const unsigned char vexaResourceData[];
extern "C" const std::size_t vexaResourceSize;

namespace vexa::test {
namespace {

using sim::win::DialogAct;
using sim::win::DialogView;

class Page : public CAcUiTabChildDialog {
public:
    explicit Page(std::wstring name, std::vector<std::wstring>& log) : name_(std::move(name)), log_(log) {}
    bool keep = false;
    std::wstring typed;

protected:
    BOOL OnInitDialog() override {
        CAcUiTabChildDialog::OnInitDialog();
        SetDlgItemText(IDC_PAGE_EDIT, name_);
        return TRUE;
    }
    void OnTabActivation(BOOL activate) override { log_.push_back((activate ? L"show " : L"hide ") + name_); }
    BOOL OnTabChanging() override { return keep ? FALSE : TRUE; }
    void OnMainDialogOK() override { GetDlgItemText(IDC_PAGE_EDIT, typed); }

private:
    std::wstring name_;
    std::vector<std::wstring>& log_;
};

class Tabs : public CAcUiTabMainDialog {
public:
    explicit Tabs(int first) : CAcUiTabMainDialog(IDD_TAB_MAIN), first_(first) {}
    std::vector<std::wstring> log;
    Page one{L"one", log};
    Page two{L"two", log};
    Page three{L"three", log};

protected:
    void DoDataExchange(CDataExchange* dx) override { DDX_Control(dx, IDC_TABS, tab_); }
    BOOL OnInitDialog() override {
        CAcUiTabMainDialog::OnInitDialog();
        EXPECT_FALSE(AddTab(0, L"One", IDD_TAB_PAGE, &one));  // no tab control handed over yet
        SetAcadTabPointer(&tab_);
        AddTab(0, L"One", IDD_TAB_PAGE, &one);
        AddTab(1, L"Three", IDD_TAB_PAGE, &three);
        AddTab(1, L"Two", IDD_TAB_PAGE, &two);
        SetActiveTab(first_);
        return TRUE;
    }

private:
    CAdUiTab tab_;
    int first_;
};

class TabDialogTest : public HostTest {
protected:
    TabDialogTest() {
        host.windows().resources().registerModule(module, {vexaResourceData, vexaResourceSize});
        host.documents().pushResourceHandle(module);
    }
    void TearDown() override {
        host.documents().popResourceHandle();
        HostTest::TearDown();
    }
    void queue(DialogAct act) { host.user().queue(std::move(act)); }

    HINSTANCE module = reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x7E570000));
};

TEST_F(TabDialogTest, PagesShowOneAtATimeAndAnActReachesTheControlOnThePageShown) {
    Tabs dialog(2);
    queue(DialogAct::query([&](DialogView& view) {
        EXPECT_EQ(view.items(IDC_TABS), (std::vector<std::wstring>{L"One", L"Two", L"Three"}));
        EXPECT_EQ(view.selection(IDC_TABS), 2);
        EXPECT_EQ(view.text(IDC_PAGE_EDIT), L"three");
        EXPECT_EQ(dialog.GetTabIndex(&dialog.two), 1);
    }));
    queue(DialogAct::replaceText(IDC_PAGE_EDIT, L"3"));
    queue(DialogAct::select(IDC_TABS, L"two"));
    queue(DialogAct::replaceText(IDC_PAGE_EDIT, L"2"));
    queue(DialogAct::click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.one.typed, L"one");
    EXPECT_EQ(dialog.two.typed, L"2");
    EXPECT_EQ(dialog.three.typed, L"3");
    EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"show one", L"hide one", L"show three", L"hide three", L"show two"}));
}

TEST_F(TabDialogTest, APageThatMustStayKeepsItsTabAndAnUnknownFirstTabLeavesTheFirst) {
    Tabs dialog(7);
    dialog.one.keep = true;
    queue(DialogAct::selectTab(IDC_TABS, 1));
    queue(DialogAct::query([](DialogView& view) {
        EXPECT_EQ(view.selection(IDC_TABS), 0);
        EXPECT_EQ(view.text(IDC_PAGE_EDIT), L"one");
    }));
    queue(DialogAct::click(IDCANCEL));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"show one"}));
}

}  // namespace
}  // namespace vexa::test
