// The host refuses a filter or a hook: each function says so, leaves its flag clear and tries
// again at the next call.
#include "support/kito_fixture.h"
#include "win/hooks.h"

namespace {

class KeyboardFaults : public vexa::test::KitoTest {
protected:
    void refuse(const wchar_t* service) { host.faults().arm(service); }
    std::size_t hooks(int type) { return input().hooks().count(type); }
    std::size_t filters() { return input().filters().filterCount(); }
};

TEST_F(KeyboardFaults, ARefusedEscFilterIsReportedAndRegisteredAtTheNextCall) {
    refuse(L"acedRegisterFilterWinMsg");
    EXPECT_EQ(eval(L"(Vexa-disableESC 1)"), L"nil");
    EXPECT_EQ(takePrinted(), L"Can't register Windows Msg hook - ESC\n");
    EXPECT_EQ(filters(), 0u);
    EXPECT_EQ(eval(L"(Vexa-disableESC 1)"), L"nil");
    EXPECT_EQ(filters(), 1u);
    EXPECT_EQ(eval(L"(Vexa-disableESC 0)"), L"nil");
    EXPECT_EQ(filters(), 0u);
}

TEST_F(KeyboardFaults, RefusedKeyboardHooksAreReportedForModesTwoAndThree) {
    for (const wchar_t* mode : {L"2", L"3"}) {
        refuse(L"SetWindowsHookExW");
        EXPECT_EQ(eval(std::wstring(L"(Vexa-disableESC ") + mode + L")"), L"nil");
        EXPECT_EQ(takePrinted(), L"Can't register Windows Msg hook - Lower->upper\n");
        EXPECT_EQ(hooks(WH_KEYBOARD) + hooks(WH_KEYBOARD_LL), 0u);
    }
    // The mode is stored all the same, and the next call installs the hook.
    EXPECT_EQ(eval(L"(Vexa-disableESC -1)"), L"3");
    eval(L"(Vexa-disableESC 3)");
    EXPECT_EQ(hooks(WH_KEYBOARD_LL), 1u);
    eval(L"(Vexa-disableESC 0)");
}

TEST_F(KeyboardFaults, ARefusedRecorderIsReportedAndRecordsNothing) {
    refuse(L"acedRegisterFilterWinMsg");
    EXPECT_EQ(eval(L"(Vexa-grRead 1)"), L"nil");
    EXPECT_EQ(takePrinted(), L"\nCan't register Windows Msg hook.");
    input().pressKey('K');
    input().runHostLoop();
    EXPECT_EQ(eval(L"(Vexa-grRead 2)"), L"(0 0)");
    EXPECT_EQ(eval(L"(Vexa-grRead 0)"), L"nil");
    EXPECT_EQ(filters(), 0u);
    takeReceived();
}

}  // namespace
