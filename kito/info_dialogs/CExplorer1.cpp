#include "kito/info_dialogs/CExplorer1.h"

namespace vexa::kito {

void CExplorer1::Navigate(LPCWSTR url, VARIANT* flags, VARIANT* targetFrameName, VARIANT* postData, VARIANT* headers) {
    static const BYTE parameters[] = VTS_BSTR VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT VTS_PVARIANT;
    InvokeHelper(0x68, DISPATCH_METHOD, VT_EMPTY, nullptr, parameters, url, flags, targetFrameName, postData, headers);
}

}  // namespace vexa::kito
