// The simulated window system: control behaviour, dialogs from compiled templates, DDX,
// message boxes and the scripted user.
#include <ctime>

#include "acad/acui.h"
#include "sim/user/user_script.h"
#include "support/host_fixture.h"
#include "host/win/user32/resource.h"
#include "win/commctrl.h"

extern "C" const unsigned char vexaResourceData[];
extern "C" const std::size_t vexaResourceSize;

namespace vexa::test {
namespace {

using sim::PromptAnswer;
using sim::win::DialogAct;
using sim::win::DialogView;

// What a parent window heard from its controls: "1001 EN_CHANGE"-style lines.
std::vector<std::wstring> heard;

LRESULT CALLBACK listeningProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) heard.push_back(std::to_wstring(LOWORD(wParam)) + L" " + std::to_wstring(HIWORD(wParam)));
    if (message == WM_HSCROLL) heard.push_back(L"scroll " + std::to_wstring(LOWORD(wParam)) + L" " + std::to_wstring(HIWORD(wParam)));
    if (message == WM_TIMER) heard.push_back(L"timer " + std::to_wstring(wParam));
    return DefWindowProcW(window, message, wParam, lParam);
}

class WindowsTest : public HostTest {
protected:
    WindowsTest() {
        heard.clear();
        host.windows().resources().registerModule(module, {vexaResourceData, vexaResourceSize});
        host.documents().pushResourceHandle(module);
        WNDCLASSW listening{};
        listening.lpfnWndProc = listeningProcedure;
        listening.lpszClassName = L"Listening";
        RegisterClassW(&listening);
        parent = CreateWindowExW(0, L"Listening", L"parent", WS_POPUP | WS_VISIBLE, 0, 0, 400, 300, nullptr, nullptr, nullptr, nullptr);
    }
    void TearDown() override {
        DestroyWindow(parent);
        host.documents().popResourceHandle();
        HostTest::TearDown();
    }
    HWND child(const wchar_t* cls, DWORD style, int id, const wchar_t* text = L"") {
        return CreateWindowExW(0, cls, text, style | WS_CHILD | WS_VISIBLE, 0, 0, 100, 20, parent,
                               reinterpret_cast<HMENU>(static_cast<std::uintptr_t>(id)), nullptr, nullptr);
    }
    std::vector<std::wstring> takeFaults() { return host.audit().take(); }

    HINSTANCE module = reinterpret_cast<HINSTANCE>(static_cast<std::uintptr_t>(0x7E570000));
    HWND parent = nullptr;
};

std::wstring textOf(HWND window) {
    wchar_t buffer[256];
    GetWindowTextW(window, buffer, 256);
    return buffer;
}

// --- controls -------------------------------------------------------------------------------

TEST_F(WindowsTest, SortedListBoxPlacesAddedItemsAndPrefixSearchWraps) {
    HWND list = child(L"ListBox", LBS_SORT | LBS_NOTIFY, 7);
    for (const wchar_t* name : {L"B-2", L"a", L"C", L"b-1"}) SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    std::vector<std::wstring> items;
    for (int i = 0; i < SendMessageW(list, LB_GETCOUNT, 0, 0); ++i) {
        wchar_t buffer[32];
        SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(buffer));
        items.emplace_back(buffer);
    }
    EXPECT_EQ(items, (std::vector<std::wstring>{L"a", L"b-1", L"B-2", L"C"}));
    // InsertString never sorts.
    SendMessageW(list, LB_INSERTSTRING, 0, reinterpret_cast<LPARAM>(L"zz"));
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"b")), 2);
    // After index 2 the search goes on at 3, then wraps to the top.
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 2, reinterpret_cast<LPARAM>(L"b")), 3);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 3, reinterpret_cast<LPARAM>(L"b")), 2);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(L"ZZ")), 0);
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRING, 0, reinterpret_cast<LPARAM>(L"q")), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"c")), 4);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 4);
    EXPECT_EQ(SendMessageW(list, LB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"q")), LB_ERR);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 4);
    // Programmatic selection sends no LBN_SELCHANGE.
    EXPECT_TRUE(heard.empty());
    SendMessageW(list, LB_DELETESTRING, 0, 0);
    EXPECT_EQ(SendMessageW(list, LB_GETCURSEL, 0, 0), 3);
}

TEST_F(WindowsTest, SortedListBoxTakesTwentyThousandItemsQuickly) {
    HWND list = child(L"ListBox", LBS_SORT, 7);
    // Processor time, so a busy machine does not fail the test; a quadratic insert takes minutes.
    const std::clock_t start = std::clock();
    for (int i = 0; i < 20000; ++i) {
        const std::wstring name = L"Layer-" + std::to_wstring((i * 7919) % 20000);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name.c_str()));
    }
    EXPECT_EQ(SendMessageW(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"layer-0")), 0);
    EXPECT_LT(static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC, 10.0);
}

TEST_F(WindowsTest, NumberEditRefusesOtherCharactersAndSetTextSendsChange) {
    HWND edit = child(L"Edit", ES_NUMBER, 9);
    SetFocus(edit);
    for (wchar_t c : std::wstring(L"1a2-")) SendMessageW(edit, WM_CHAR, c, 0);
    EXPECT_EQ(textOf(edit), L"12");
    heard.clear();
    SetWindowTextW(edit, L"77");
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"9 1024", L"9 768"}));  // EN_UPDATE, EN_CHANGE
    DWORD start = 9;
    DWORD end = 9;
    SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(start, 0u);
    SendMessageW(edit, EM_SETSEL, 0, -1);
    SendMessageW(edit, WM_CHAR, L'5', 0);
    EXPECT_EQ(textOf(edit), L"5");
    HWND readOnly = child(L"Edit", ES_READONLY, 10, L"fixed");
    SendMessageW(readOnly, WM_CHAR, L'x', 0);
    EXPECT_EQ(textOf(readOnly), L"fixed");
}

TEST_F(WindowsTest, FocusMovesWithKillAndSetFocusNotifications) {
    HWND first = child(L"Edit", 0, 11);
    HWND second = child(L"Edit", 0, 12);
    SetFocus(first);
    heard.clear();
    SetFocus(second);
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"11 512", L"12 256"}));  // EN_KILLFOCUS, EN_SETFOCUS
    EXPECT_EQ(GetFocus(), second);
}

TEST_F(WindowsTest, AutoRadioButtonsClearTheirGroup) {
    HWND one = child(L"Button", BS_AUTORADIOBUTTON | WS_GROUP, 21);
    HWND two = child(L"Button", BS_AUTORADIOBUTTON, 22);
    HWND other = child(L"Button", BS_AUTORADIOBUTTON | WS_GROUP, 23);
    SendMessageW(other, BM_SETCHECK, BST_CHECKED, 0);
    SendMessageW(one, BM_CLICK, 0, 0);
    SendMessageW(two, BM_CLICK, 0, 0);
    EXPECT_EQ(SendMessageW(one, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(two, BM_GETCHECK, 0, 0), BST_CHECKED);
    EXPECT_EQ(SendMessageW(other, BM_GETCHECK, 0, 0), BST_CHECKED);  // another group
    CheckRadioButton(parent, 21, 22, 21);
    EXPECT_EQ(IsDlgButtonChecked(parent, 21), BST_CHECKED);
    EXPECT_EQ(IsDlgButtonChecked(parent, 22), BST_UNCHECKED);
}

TEST_F(WindowsTest, ComboSelectStringTakesThePrefixAfterTheStartAndKeepsTheSelectionOnNoMatch) {
    HWND combo = child(L"ComboBox", CBS_DROPDOWNLIST, 31);
    for (const wchar_t* name : {L"BYLAYER", L"ByBlock", L"Continuous", L"Center"}) {
        SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    }
    EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"by")), 0);
    EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, 0, reinterpret_cast<LPARAM>(L"by")), 1);
    EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, 1, reinterpret_cast<LPARAM>(L"by")), 0);
    EXPECT_EQ(SendMessageW(combo, CB_SELECTSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(L"dash")), CB_ERR);
    EXPECT_EQ(SendMessageW(combo, CB_GETCURSEL, 0, 0), 0);
    EXPECT_EQ(textOf(combo), L"BYLAYER");
    EXPECT_TRUE(heard.empty());
}

TEST_F(WindowsTest, TrackbarClampsAndReportsDragsAsScrollCodes) {
    HWND slider = child(TRACKBAR_CLASSW, 0, 41);
    SendMessageW(slider, TBM_SETRANGE, TRUE, MAKELPARAM(0, 90));
    SendMessageW(slider, TBM_SETPAGESIZE, 0, 10);
    SendMessageW(slider, TBM_SETPOS, TRUE, 120);
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 90);
    EXPECT_TRUE(heard.empty());  // programmatic moves are silent
    HWND dialog = parent;
    sim::win::performAct(host.windows(), dialog, DialogAct::drag(41, {30, 45}));
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"scroll 5 30", L"scroll 5 45", L"scroll 4 45", L"scroll 8 0"}));
    heard.clear();
    sim::win::performAct(host.windows(), dialog, DialogAct::scroll(41, TB_PAGEDOWN));
    EXPECT_EQ(SendMessageW(slider, TBM_GETPOS, 0, 0), 55);
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"scroll 3 0", L"scroll 8 0"}));
}

TEST_F(WindowsTest, TimersFireWhenTheUserWaitsAndSleepOnlyAdvancesTheClock) {
    const DWORD start = GetTickCount();
    SetTimer(parent, 5, 100, nullptr);
    Sleep(250);
    EXPECT_EQ(GetTickCount(), start + 250);
    EXPECT_TRUE(heard.empty());
    host.windows().wait(0);  // the late timer gives one WM_TIMER
    EXPECT_EQ(heard, (std::vector<std::wstring>{L"timer 5"}));
    heard.clear();
    host.windows().wait(200);
    EXPECT_EQ(heard.size(), 2u);
    EXPECT_TRUE(KillTimer(parent, 5));
    EXPECT_FALSE(KillTimer(parent, 5));
}

// --- dialogs --------------------------------------------------------------------------------

// A dialog written as the plug-ins write theirs.
class ControlsDialog : public CAdUiBaseDialog {
public:
    ControlsDialog() : CAdUiBaseDialog(IDD_CONTROLS) {}

    int number = 5;
    std::wstring name = L"start";
    int tick = 1;
    int radio = 1;
    std::wstring chosen;
    INT_PTR nestedResult = 0;
    std::wstring nestedText;
    std::vector<std::wstring> log;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        CAdUiBaseDialog::DoDataExchange(dx);
        DDX_Text(dx, IDC_NUMBER, number);
        DDX_Text(dx, IDC_NAME, name);
        DDX_Check(dx, IDC_CHECK, tick);
        DDX_Radio(dx, IDC_RADIO1, radio);
        DDX_Control(dx, IDC_LIST, list_);
        DDX_Control(dx, IDC_SLIDER, slider_);
        DDX_Control(dx, IDC_DROPLIST, colours_);
    }
    BOOL OnInitDialog() override {
        CAdUiBaseDialog::OnInitDialog();
        for (const wchar_t* layer : {L"B", L"A", L"C"}) list_.AddString(layer);
        list_.SelectString(-1, L"b");
        for (const wchar_t* colour : {L"Red", L"Green", L"Blue"}) colours_.AddString(colour);
        slider_.SetRange(0, 90);
        SetDlgItemText(IDC_READONLY, L"fixed");
        return TRUE;
    }
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override {
        const int id = LOWORD(wParam);
        const int code = HIWORD(wParam);
        if (id == IDC_LIST && code == LBN_SELCHANGE) list_.GetText(list_.GetCurSel(), chosen);
        if (id == IDC_DROPLIST && code == CBN_SELCHANGE) log.push_back(L"colour " + std::to_wstring(colours_.GetCurSel()));
        if (id == IDC_NUMBER && code == EN_CHANGE) log.push_back(L"number " + GetWindowTextOf(IDC_NUMBER));
        if (id == IDC_NESTED && code == BN_CLICKED) {
            NestedDialog nested;
            nestedResult = nested.DoModal();
            nestedText = nested.text;
            return TRUE;
        }
        return CAdUiBaseDialog::OnCommand(wParam, lParam);
    }
    void OnHScroll(UINT code, UINT position, CScrollBar* bar) override {
        if (bar == reinterpret_cast<CScrollBar*>(&slider_)) log.push_back(L"slider " + std::to_wstring(code) + L" " + std::to_wstring(position));
    }
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_ACAD_KEEPFOCUS) return TRUE;
        return CAdUiBaseDialog::WindowProc(message, wParam, lParam);
    }

private:
    class NestedDialog : public CAdUiBaseDialog {
    public:
        NestedDialog() : CAdUiBaseDialog(IDD_NESTED) {}
        std::wstring text;

    protected:
        void DoDataExchange(CDataExchange* dx) override { DDX_Text(dx, IDC_NESTED_EDIT, text); }
    };

    std::wstring GetWindowTextOf(int id) {
        std::wstring text;
        GetDlgItemText(id, text);
        return text;
    }

    CListBox list_;
    CSliderCtrl slider_;
    CComboBox colours_;
};

TEST_F(WindowsTest, ModalDialogExchangesDataAndTheUserDrivesEveryControl) {
    ControlsDialog dialog;
    look([](DialogView& view) {
        EXPECT_EQ(view.title(), L"Controls");
        EXPECT_EQ(view.text(IDC_NUMBER), L"5");
        EXPECT_EQ(view.focusId(), IDC_NUMBER);  // first tab stop, its text selected
        EXPECT_EQ(view.items(IDC_LIST), (std::vector<std::wstring>{L"A", L"B", L"C"}));
        EXPECT_EQ(view.selectedText(IDC_LIST), L"B");
        EXPECT_EQ(view.checked(IDC_RADIO2), BST_CHECKED);
        EXPECT_EQ(view.checked(IDC_CHECK), BST_CHECKED);
        EXPECT_EQ(view.text(IDC_READONLY), L"fixed");
    });
    act(DialogAct::keys(IDC_NUMBER, L"4x2"));  // the selection is replaced; x is refused
    act(DialogAct::replaceText(IDC_NAME, L"Pump"));
    act(DialogAct::keys(IDC_READONLY, L"zz"));
    act(DialogAct::uncheck(IDC_CHECK));
    act(DialogAct::click(IDC_RADIO3));
    act(DialogAct::select(IDC_LIST, L"C"));
    act(DialogAct::select(IDC_DROPLIST, L"blue"));
    act(DialogAct::drag(IDC_SLIDER, {60}));
    look([](DialogView& view) {
        EXPECT_EQ(view.text(IDC_NUMBER), L"42");
        EXPECT_EQ(view.text(IDC_READONLY), L"fixed");
        EXPECT_EQ(view.checked(IDC_RADIO1) + view.checked(IDC_RADIO2), 0);
        EXPECT_EQ(view.selection(IDC_SLIDER), 60);
    });
    host.user().queue(PromptAnswer::enter());  // the default button: OK
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.number, 42);
    EXPECT_EQ(dialog.name, L"Pump");
    EXPECT_EQ(dialog.tick, 0);
    EXPECT_EQ(dialog.radio, 2);
    EXPECT_EQ(dialog.chosen, L"C");
    // The exchange at initialisation changes the text too, and EN_CHANGE reports it.
    EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"number 5", L"number 4", L"number 42", L"colour 2", L"slider 5 60",
                                                     L"slider 4 60", L"slider 8 0"}));
    EXPECT_EQ(dialog.m_hWnd, nullptr);
    EXPECT_TRUE(host.windows().survivorsSince(0).size() <= 1);  // only the test's own parent window
}

TEST_F(WindowsTest, EscapeAndTheCloseBoxCancel) {
    {
        ControlsDialog dialog;
        host.user().queue(PromptAnswer::escape());
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    }
    ControlsDialog dialog;
    act(DialogAct::replaceText(IDC_NAME, L"changed"));
    act(DialogAct::close());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.name, L"start");
}

TEST_F(WindowsTest, ACaptionNamesAButtonOrAStaticNeverAnEditsText) {
    ControlsDialog dialog;
    act(DialogAct::replaceText(IDC_NAME, L"ok"));
    act(DialogAct::click(L"OK"));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.name, L"ok");
}

TEST_F(WindowsTest, NestedModalDialogsTakeTheQueuedActsInOrder) {
    ControlsDialog dialog;
    act(DialogAct::click(L"Nested..."));
    look([](DialogView& view) { EXPECT_EQ(view.title(), L"Nested"); });
    act(DialogAct::keys(IDC_NESTED_EDIT, L"inner"));
    act(DialogAct::click(IDOK));
    look([](DialogView& view) { EXPECT_EQ(view.title(), L"Controls"); });
    act(DialogAct::click(L"Cancel"));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.nestedResult, IDOK);
    EXPECT_EQ(dialog.nestedText, L"inner");
}

TEST_F(WindowsTest, ADialogWithNoActQueuedFailsWithItsTitle) {
    ControlsDialog dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    const auto faults = takeFaults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find(L"\"Controls\""), std::wstring::npos) << narrow(faults[0]);
}

TEST_F(WindowsTest, APromptActAtADialogIsAFault) {
    ControlsDialog dialog;
    host.user().queue(PromptAnswer::typed(L"0,0"));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(takeFaults().size(), 1u);
    host.user().clear();
}

TEST_F(WindowsTest, AMissingTemplateFailsLoudly) {
    CAdUiBaseDialog dialog(999);
    EXPECT_EQ(dialog.DoModal(), -1);
    const auto faults = takeFaults();
    ASSERT_EQ(faults.size(), 1u);
    EXPECT_NE(faults[0].find(L"999"), std::wstring::npos);
}

TEST_F(WindowsTest, ChineseTextsComeThroughTheCompiledTemplate) {
    CAdUiBaseDialog dialog(IDD_CHINESE);
    look([](DialogView& view) {
        EXPECT_EQ(view.title(), L"設定系列碼 \U00020000");
        EXPECT_EQ(view.text(IDC_LABEL), L"圖層管理");
        EXPECT_NE(view.control(L"確定"), nullptr);
    });
    act(DialogAct::click(L"確定"));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    wchar_t buffer[16];
    EXPECT_EQ(LoadStringW(module, IDS_CHINESE, buffer, 16), 4);
    EXPECT_EQ(std::wstring(buffer), L"中文字串");
}

TEST_F(WindowsTest, PlainTemplatesWorkToo) {
    CDialog dialog(IDD_OLDSTYLE);
    look([](DialogView& view) { EXPECT_EQ(view.text(IDC_LABEL), L"Plain template"); });
    act(DialogAct::click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
}

TEST_F(WindowsTest, TemplateSizesMapFromDialogUnits) {
    CDialog dialog(IDD_SERIES);
    look([&](DialogView& view) {
        RECT client;
        GetClientRect(view.handle(), &client);
        EXPECT_EQ(client.right, 207);   // 138 units × 6 / 4
        EXPECT_EQ(client.bottom, 286);  // 176 units × 13 / 8
    });
    act(DialogAct::click(IDCANCEL));
    dialog.DoModal();
}

class NumbersDialog : public CAdUiBaseDialog {
public:
    NumbersDialog() : CAdUiBaseDialog(IDD_NUMBERS) {}
    int integer = 3;
    double real = 2.5;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Text(dx, IDC_INTEGER, integer);
        DDX_Text(dx, IDC_REAL, real);
        DDV_MinMaxDouble(dx, real, 0.0, 1.0e6);
    }
};

TEST_F(WindowsTest, DataExchangeRefusalsKeepTheDialogOpenWithTheFieldSelected) {
    NumbersDialog dialog;
    act(DialogAct::replaceText(IDC_INTEGER, L"1.5"));
    act(DialogAct::click(IDOK));
    look([](DialogView& view) {
        EXPECT_TRUE(view.isMessageBox());
        EXPECT_NE(view.dump().find(L"Please enter an integer."), std::wstring::npos);
    });
    act(DialogAct::answer(L"OK"));
    look([](DialogView& view) {
        EXPECT_EQ(view.title(), L"Numbers");
        EXPECT_EQ(view.focusId(), IDC_INTEGER);
        EXPECT_NE(view.dump().find(L"sel 0-3"), std::wstring::npos) << narrow(view.dump());
    });
    act(DialogAct::keys(IDC_INTEGER, L"12"));
    act(DialogAct::replaceText(IDC_REAL, L"x"));
    act(DialogAct::click(IDOK));
    look([](DialogView& view) { EXPECT_NE(view.dump().find(L"Please enter a number."), std::wstring::npos); });
    act(DialogAct::answer(IDOK));
    act(DialogAct::replaceText(IDC_REAL, L" 0.25 "));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.integer, 12);
    EXPECT_DOUBLE_EQ(dialog.real, 0.25);
}

// The list view and the tab control of the same template, handled through OnNotify.
class ViewsDialog : public CAdUiBaseDialog {
public:
    ViewsDialog() : CAdUiBaseDialog(IDD_CONTROLS) {}
    bool acceptLabels = true;
    bool lockTabs = false;
    std::vector<std::wstring> log;

protected:
    void DoDataExchange(CDataExchange* dx) override {
        DDX_Control(dx, IDC_LISTVIEW, rows_);
        DDX_Control(dx, IDC_TABS, tabs_);
    }
    BOOL OnInitDialog() override {
        CAdUiBaseDialog::OnInitDialog();
        rows_.InsertColumn(0, L"Name", LVCFMT_LEFT, 80);
        rows_.InsertColumn(1, L"Value", LVCFMT_LEFT, 80);
        for (int i = 0; i < 3; ++i) {
            const std::wstring name = L"TAG" + std::to_wstring(i + 1);
            rows_.InsertItem(i, name.c_str());
            rows_.SetItemText(i, 1, (L"v" + std::to_wstring(i + 1)).c_str());
        }
        tabs_.InsertItem(0, L"Layers");
        tabs_.InsertItem(1, L"Colours");
        return TRUE;
    }
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) override {
        const auto* header = reinterpret_cast<const NMHDR*>(lParam);
        if (wParam == IDC_LISTVIEW && header->code == LVN_ITEMCHANGED) {
            const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
            if (change->uNewState & LVIS_SELECTED) log.push_back(L"selected " + std::to_wstring(change->iItem));
        }
        if (wParam == IDC_LISTVIEW && header->code == LVN_ENDLABELEDITW) {
            const auto* info = reinterpret_cast<const NMLVDISPINFOW*>(lParam);
            log.push_back(info->item.pszText ? L"label " + std::wstring(info->item.pszText) : L"label cancelled");
            *result = acceptLabels ? TRUE : FALSE;
            return TRUE;
        }
        if (wParam == IDC_TABS && header->code == TCN_SELCHANGING) {
            *result = lockTabs ? TRUE : FALSE;
            return TRUE;
        }
        if (wParam == IDC_TABS && header->code == TCN_SELCHANGE) log.push_back(L"tab " + std::to_wstring(tabs_.GetCurSel()));
        return CAdUiBaseDialog::OnNotify(wParam, lParam, result);
    }

private:
    CListCtrl rows_;
    CTabCtrl tabs_;
};

TEST_F(WindowsTest, ListViewSelectsAndEditsLabelsInPlace) {
    ViewsDialog dialog;
    act(DialogAct::select(IDC_LISTVIEW, L"tag2"));
    act(DialogAct::editLabel(IDC_LISTVIEW, 1, L"TAG-B"));
    DialogAct cancelled = DialogAct::editLabel(IDC_LISTVIEW, 0, L"ignored");
    cancelled.positions = {1};
    act(cancelled);
    look([](DialogView& view) {
        EXPECT_EQ(view.items(IDC_LISTVIEW), (std::vector<std::wstring>{L"TAG1 | v1", L"TAG-B | v2", L"TAG3 | v3"}));
        EXPECT_EQ(view.selection(IDC_LISTVIEW), 1);
    });
    act(DialogAct::selectTab(IDC_TABS, 1));
    act(DialogAct::click(IDOK));
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.log, (std::vector<std::wstring>{L"selected 1", L"label TAG-B", L"label cancelled", L"tab 1"}));
}

TEST_F(WindowsTest, ARefusedLabelEditKeepsTheOldLabelAndALockedTabStays) {
    ViewsDialog dialog;
    dialog.acceptLabels = false;
    dialog.lockTabs = true;
    act(DialogAct::editLabel(IDC_LISTVIEW, 0, L"new"));
    act(DialogAct::select(IDC_TABS, L"colours"));
    look([](DialogView& view) {
        EXPECT_EQ(view.items(IDC_LISTVIEW)[0], L"TAG1 | v1");
        EXPECT_EQ(view.selection(IDC_TABS), 0);
    });
    host.user().queue(PromptAnswer::escape());
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

// A dialog with a timer, stopped when it closes.
class TimerDialog : public CAdUiBaseDialog {
public:
    TimerDialog() : CAdUiBaseDialog(IDD_NESTED) {}
    int ticks = 0;

protected:
    BOOL OnInitDialog() override {
        CAdUiBaseDialog::OnInitDialog();
        SetTimer(7, 100);
        return TRUE;
    }
    void OnTimer(UINT_PTR id) override {
        if (id == 7) ++ticks;
    }
    void OnDestroy() override {
        KillTimer(7);
        CAdUiBaseDialog::OnDestroy();
    }
};

TEST_F(WindowsTest, TimersTickWhileTheUserWaitsInADialog) {
    TimerDialog dialog;
    act(DialogAct::wait(350));
    act(DialogAct::click(IDCANCEL));
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
    EXPECT_EQ(dialog.ticks, 3);
    EXPECT_TRUE(host.windows().timers().empty());
}

TEST_F(WindowsTest, ATimerLeftRunningOnADestroyedWindowIsAFault) {
    HWND window = CreateWindowExW(0, L"Listening", L"timed", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
    SetTimer(window, 1, 50, nullptr);
    DestroyWindow(window);
    EXPECT_EQ(takeFaults().size(), 1u);
}

// --- message boxes --------------------------------------------------------------------------

TEST_F(WindowsTest, MessageBoxResultsAndTheEscapeRule) {
    host.user().queue(PromptAnswer::escape());  // no Cancel button: ESC does nothing
    act(DialogAct::answer(L"No"));
    EXPECT_EQ(MessageBoxW(nullptr, L"Sure?", L"Vexa", MB_YESNO), IDNO);
    host.user().queue(PromptAnswer::escape());
    EXPECT_EQ(MessageBoxW(nullptr, L"Note", L"Vexa", MB_OK), IDOK);
    host.user().queue(PromptAnswer::escape());
    EXPECT_EQ(MessageBoxW(nullptr, L"Go on?", L"Vexa", MB_OKCANCEL), IDCANCEL);
    act(DialogAct::close());
    EXPECT_EQ(MessageBoxW(nullptr, L"Save?", L"Vexa", MB_YESNOCANCEL), IDCANCEL);
    host.user().queue(PromptAnswer::enter());
    EXPECT_EQ(MessageBoxW(nullptr, L"Save?", L"Vexa", MB_YESNOCANCEL | MB_DEFBUTTON2), IDNO);
    act(DialogAct::answer(IDRETRY));
    EXPECT_EQ(MessageBoxW(nullptr, L"Failed", nullptr, MB_ABORTRETRYIGNORE | MB_ICONERROR), IDRETRY);
    look([](DialogView& view) {
        EXPECT_EQ(view.title(), L"Error");
        EXPECT_EQ(view.text(IDOK), L"OK");
        EXPECT_EQ(view.text(IDCANCEL), L"Cancel");
        EXPECT_FALSE(view.exists(IDYES));
    });
    act(DialogAct::answer(L"Cancel"));
    EXPECT_EQ(MessageBoxW(nullptr, L"Failed", nullptr, MB_OKCANCEL), IDCANCEL);
}

TEST_F(WindowsTest, TheActivationGateSeesAMessageBoxAndCanRelabelItsButtons) {
    int activations = 0;
    host.windows().setActivationGate([&](HWND window) {
        if (GetDlgItem(window, IDYES) != nullptr) {
            ++activations;
            SetDlgItemTextW(window, IDYES, L"Keep");
            SetDlgItemTextW(window, IDNO, L"Drop");
        }
        return true;
    });
    act(DialogAct::answer(L"Drop"));
    EXPECT_EQ(MessageBoxW(adsw_acadMainWnd(), L"Layer?", L"Vexa", MB_YESNO), IDNO);
    EXPECT_EQ(activations, 1);
    host.windows().setActivationGate({});
}

// --- modeless dialogs, the user file, the dump ----------------------------------------------

class NoticeDialog : public CAdUiBaseDialog {
public:
    NoticeDialog() : CAdUiBaseDialog(IDD_MODELESS) {}
    std::wstring text = L"Working";

protected:
    BOOL OnInitDialog() override {
        CAdUiBaseDialog::OnInitDialog();
        SetDlgItemText(IDC_NOTICE, text);
        return TRUE;
    }
};

TEST_F(WindowsTest, ModelessDialogsLiveUntilDestroyedAndMayOutliveACall) {
    NoticeDialog notice;
    const std::size_t mark = host.windows().serialMark();
    ASSERT_TRUE(notice.Create(IDD_MODELESS));
    notice.ShowWindow(SW_SHOW);
    EXPECT_TRUE(notice.IsWindowVisible());
    EXPECT_TRUE(host.windows().survivorsSince(mark).empty());
    DialogView view(host.windows(), notice.m_hWnd);
    EXPECT_EQ(view.text(IDC_NOTICE), L"Working");
    EXPECT_EQ(SendMessageW(notice.m_hWnd, WM_ACAD_KEEPFOCUS, 0, 0), 0);  // the base does not answer
    notice.DestroyWindow();
    EXPECT_EQ(notice.m_hWnd, nullptr);
}

TEST_F(WindowsTest, TheUserFileDrivesDialogsAndShowPrintsTheirState) {
    sim::queueUserScript(host, L"# dialog acts\nselect 1008 c\nkeys 1001 7\nshow\ncheck 1004\nclick OK\n");
    ControlsDialog dialog;
    dialog.tick = 0;
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(dialog.chosen, L"C");
    EXPECT_EQ(dialog.number, 57);
    EXPECT_EQ(dialog.tick, 1);
    const std::wstring printed = host.commandLine().transcript();
    EXPECT_NE(printed.find(L"dialog \"Controls\""), std::wstring::npos) << narrow(printed);
    EXPECT_NE(printed.find(L"1008 sorted list box \"\" [sel 2] at 80,7 80x60 dlu 120,11 120x98 px items 3: \"A\", \"B\", \"C\""), std::wstring::npos) << narrow(printed);
    EXPECT_NE(printed.find(L"1001 edit \"57\" [focus number]"), std::wstring::npos) << narrow(printed);
    EXPECT_THROW(sim::queueUserScript(host, L"keys abc def\n"), std::runtime_error);
}

}  // namespace
}  // namespace vexa::test
