// Every function of every plug-in survives any argument list: no crash, no leak, no stray output.
#include "support/function_tables.h"
#include "support/host_fixture.h"

namespace {

std::vector<std::wstring> corpus() {
    std::vector<std::wstring> lists = {
        L"",
        L"nil",
        L"T",
        L"0",
        L"-1",
        L"70000",
        L"-70000",
        L"32767",
        L"-32768",
        L"1.5",
        L"\"\"",
        L"\"text\"",
        L"'(1 2 3)",
        L"'(\"a\" \"b\")",
        L"'((1 . 2))",
        L"'(\"a\" . \"b\")",
        L"'(nil nil)",
        L"'(1.0 2.0 3.0)",
        L"'(1.0 2.0)",
        L"'(\"LANGTEXT\" 1 2 3)",
        L"'((0 . 5) (1 . \"x\"))",
        L"'((1 \"L1\" 1 (195 0 0 5) \"CONTINUOUS\") (9 \"x\"))",
        L"'((1 \"L1\" (195 0 0 5) 7))",
        L"1 2 3 4 5 6 7 8 9 10 11 12",
        L"\"a\" \"b\" \"c\" nil 5 '(1)",
        L"'(1 (2 (3 (4 (5 (6 (7 (8))))))))",
        L"32767 '(\"a\")",
        L"-5 '(\"a\" \"b\")",
    };
    std::wstring deep;
    for (int i = 0; i < 300; ++i) deep += L"(";
    for (int i = 0; i < 300; ++i) deep += L")";
    lists.push_back(L"'" + deep);
    std::wstring many = L"'(";
    for (int i = 0; i < 5000; ++i) many += L"\"L" + std::to_wstring(i) + L"\" ";
    lists.push_back(many + L")");
    std::wstring numbers = L"'(";
    for (int i = 0; i < 5000; ++i) numbers += std::to_wstring(i * 37) + L" ";
    lists.push_back(numbers + L")");
    return lists;
}

class MalformedArguments : public vexa::test::HostTest {};

TEST_F(MalformedArguments, EveryFunctionSurvivesTheCorpus) {
    for (const auto& table : vexa::test::tables) load({table.plugin});
    const std::vector<std::wstring> lists = corpus();
    for (const auto& table : vexa::test::tables) {
        for (const std::wstring& name : table.names) {
            for (const std::wstring& arguments : lists) {
                // ESC waits for whatever prompt or dialog a call opens; an unused one is cleared.
                host.user().queue(vexa::sim::PromptAnswer::escape());
                eval(L"(" + name + L" " + arguments + L")");
                host.user().clear();
                for (const std::wstring& fault : host.audit().take()) {
                    ADD_FAILURE() << vexa::test::narrow(name) << " with " << vexa::test::narrow(arguments.substr(0, 60))
                                  << ": " << vexa::test::narrow(fault);
                }
            }
        }
    }
    const std::wstring printed = host.commandLine().transcript();
    EXPECT_EQ(printed.find(L"error"), std::wstring::npos);
    EXPECT_EQ(printed.find(L"acedInvoke() failed."), std::wstring::npos);
}

}  // namespace
