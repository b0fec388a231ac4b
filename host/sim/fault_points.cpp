#include "sim/fault_points.h"

#include <algorithm>
#include <stdexcept>

#include "sim/host.h"

namespace vexa::sim {

bool serviceFails(const wchar_t* service) {
    Host* host = Host::current();
    return host != nullptr && host->faults().failsNow(service);
}

namespace {

// The services that ask before they act.
constexpr const wchar_t* kServices[] = {
    L"acedRegisterFilterWinMsg", L"acedRegisterWatchWinMsg", L"SetWindowsHookExW", L"acedInvoke",
    L"acdbOpenObject", L"acrxLoadModule", L"acedSSGet", L"getBlockTable", L"appendAcDbEntity",
    L"CreateFileW", L"WriteFile", L"lockDocument",
};

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

}  // namespace

void armFault(Host& host, std::wstring_view service, int nth) {
    const auto known = std::find_if(std::begin(kServices), std::end(kServices), [&](const wchar_t* name) { return service == name; });
    if (known == std::end(kServices)) throw std::invalid_argument("no host service \"" + narrow(service) + "\" can be made to fail");
    if (nth < 1) throw std::invalid_argument("the failing call of " + narrow(service) + " counts from 1");
    host.faults().arm(std::wstring(service), nth);
}

void armFaultFromText(Host& host, std::wstring_view serviceAndCall) {
    const std::size_t colon = serviceAndCall.find(L':');
    if (colon == std::wstring_view::npos) {
        armFault(host, serviceAndCall, 1);
        return;
    }
    const std::wstring_view call = serviceAndCall.substr(colon + 1);
    int nth = 0;
    for (wchar_t c : call) {
        if (c < L'0' || c > L'9' || nth > 100000) throw std::invalid_argument("bad call number in \"" + narrow(serviceAndCall) + "\"");
        nth = nth * 10 + (c - L'0');
    }
    if (call.empty()) nth = 0;
    armFault(host, serviceAndCall.substr(0, colon), nth);
}

}  // namespace vexa::sim
