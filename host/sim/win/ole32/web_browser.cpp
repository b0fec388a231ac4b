#include "sim/win/ole32/web_browser.h"

#include "sim/host.h"
#include "sim/win/ole32/html_text.h"
#include "sim/win/ole32/page_loader.h"

namespace vexa::sim::win {

std::wstring WebBrowser::state() const {
    if (address_.empty()) return L"blank";
    return L"address \"" + address_ + L"\" title \"" + title_ + L"\"";
}

HRESULT WebBrowser::call(DISPID member, WORD flags, std::span<const VARIANT* const> arguments, VARIANT* result) {
    if (member == kNavigate && (flags & DISPATCH_METHOD) != 0) {
        if (arguments.empty()) return DISP_E_BADPARAMCOUNT;
        if (arguments[0] == nullptr || arguments[0]->vt != VT_BSTR) return DISP_E_TYPEMISMATCH;
        navigate(textOf(arguments[0]));
        return S_OK;
    }
    if (member == kLocationUrl && (flags & DISPATCH_PROPERTYGET) != 0 && result != nullptr) {
        result->vt = VT_BSTR;
        result->bstrVal = SysAllocString(address_.c_str());
        return S_OK;
    }
    return DISP_E_MEMBERNOTFOUND;
}

void WebBrowser::navigate(const std::wstring& address) {
    address_ = address;
    Host* host = Host::current();
    const LoadedPage page = host != nullptr ? loadPage(*host, address) : LoadedPage{false, {}, L"no host"};
    if (!page.found) {
        title_ = L"This page can't be displayed";
        lines_ = {L"This page can't be displayed", page.failure};
        return;
    }
    HtmlText text = readHtml(page.bytes);
    // A page without a title shows its address in the caption, as the browser does.
    title_ = text.title.empty() ? address : std::move(text.title);
    lines_ = std::move(text.lines);
}

}  // namespace vexa::sim::win
