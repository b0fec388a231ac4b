#include "support/host_fixture.h"

#include "lisp/lisp_error.h"
#include "lisp/printer.h"

namespace vexa::test {

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) {
        if (c < 0x80) out += static_cast<char>(c);
        else out += "\\u{" + std::to_string(static_cast<unsigned>(c)) + "}";
    }
    return out;
}

std::wstring widen(std::string_view text) { return std::wstring(text.begin(), text.end()); }

HostTest::HostTest() { host.documents().newDocument(); }

void HostTest::TearDown() {
    host.unloadAllPlugins();
    if (!host.user().empty()) ADD_FAILURE() << host.user().size() << " queued user act(s) were never used";
    for (const std::wstring& fault : host.audit().take()) ADD_FAILURE() << "audit: " << narrow(fault);
}

void HostTest::load(std::initializer_list<const char*> plugins) {
    for (const char* name : plugins) host.loadPlugin(std::string(VEXA_PLUGIN_DIR) + "/" + name + ".so");
}

std::wstring HostTest::eval(std::wstring_view source) {
    try {
        return sim::lisp::print(host.evaluate(source), true);
    } catch (const sim::lisp::LispError& error) {
        ADD_FAILURE() << "AutoLISP error: " << narrow(error.message()) << " in " << narrow(source);
        return L"<error>";
    }
}

std::wstring HostTest::evalError(std::wstring_view source) {
    try {
        host.evaluate(source);
    } catch (const sim::lisp::LispError& error) {
        return error.message();
    }
    ADD_FAILURE() << "expected an AutoLISP error from " << narrow(source);
    return {};
}

}  // namespace vexa::test
