#include "kito/progress/CWMPPlayer4.h"

namespace vexa::kito {

void CWMPSettings::setMode(LPCWSTR modeName, BOOL value) {
    static const BYTE parameters[] = VTS_BSTR VTS_BOOL;
    InvokeHelper(0x6F, DISPATCH_METHOD, VT_EMPTY, nullptr, parameters, modeName, value);
}

void CWMPPlayer4::put_URL(LPCWSTR url) {
    static const BYTE parameters[] = VTS_BSTR;
    InvokeHelper(0x1, DISPATCH_PROPERTYPUT, VT_EMPTY, nullptr, parameters, url);
}

IDispatch* CWMPPlayer4::get_settings() {
    IDispatch* settings = nullptr;
    InvokeHelper(0x5, DISPATCH_PROPERTYGET, VT_DISPATCH, &settings, nullptr);
    return settings;
}

}  // namespace vexa::kito
