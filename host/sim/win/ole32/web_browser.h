// The web browser control: Navigate (dispatch id 104) loads the page at once and keeps its
// address, title and text for `show`; a page that cannot be loaded shows the browser's error page.
#pragma once

#include "sim/win/ole32/dispatch_object.h"

namespace vexa::sim::win {

class WebBrowser : public DispatchObject {
public:
    static constexpr DISPID kNavigate = 104;
    static constexpr DISPID kLocationUrl = 211;

    std::wstring kind() const override { return L"web browser"; }
    std::wstring state() const override;
    std::vector<std::wstring> details() const override { return lines_; }

    const std::wstring& address() const { return address_; }
    const std::wstring& title() const { return title_; }
    const std::vector<std::wstring>& lines() const { return lines_; }

protected:
    HRESULT call(DISPID member, WORD flags, std::span<const VARIANT* const> arguments, VARIANT* result) override;

private:
    void navigate(const std::wstring& address);

    std::wstring address_;
    std::wstring title_;
    std::vector<std::wstring> lines_;
};

}  // namespace vexa::sim::win
