// BSTRs and VARIANTs: a BSTR carries its length in front of its text, as Windows keeps it.
#include <cstddef>
#include <cstdlib>
#include <cwchar>

#include "win/oaidl.h"

namespace {

struct BstrHeader {
    UINT length;
};

BstrHeader* headerOf(BSTR text) { return reinterpret_cast<BstrHeader*>(reinterpret_cast<char*>(text) - sizeof(std::max_align_t)); }

}  // namespace

BSTR SysAllocString(const OLECHAR* text) {
    if (text == nullptr) return nullptr;
    const std::size_t length = std::wcslen(text);
    // The header takes a whole alignment unit so the text stays aligned.
    char* block = static_cast<char*>(std::malloc(sizeof(std::max_align_t) + (length + 1) * sizeof(OLECHAR)));
    if (block == nullptr) return nullptr;
    reinterpret_cast<BstrHeader*>(block)->length = static_cast<UINT>(length);
    auto* out = reinterpret_cast<BSTR>(block + sizeof(std::max_align_t));
    std::wmemcpy(out, text, length + 1);
    return out;
}

void SysFreeString(BSTR text) {
    if (text != nullptr) std::free(headerOf(text));
}

UINT SysStringLen(BSTR text) { return text != nullptr ? headerOf(text)->length : 0; }

void VariantInit(VARIANTARG* variant) {
    if (variant == nullptr) return;
    variant->vt = VT_EMPTY;
    variant->wReserved1 = variant->wReserved2 = variant->wReserved3 = 0;
    variant->lVal = 0;
}

HRESULT VariantClear(VARIANTARG* variant) {
    if (variant == nullptr) return E_INVALIDARG;
    if (variant->vt == VT_BSTR) SysFreeString(variant->bstrVal);
    else if (variant->vt == VT_DISPATCH && variant->pdispVal != nullptr) variant->pdispVal->Release();
    else if (variant->vt == VT_UNKNOWN && variant->punkVal != nullptr) variant->punkVal->Release();
    VariantInit(variant);
    return S_OK;
}
