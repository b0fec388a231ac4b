#include "sim/win/ole32/dispatch_object.h"

namespace vexa::sim::win {

HRESULT DispatchObject::QueryInterface(REFIID iid, void** object) {
    if (object == nullptr) return E_POINTER;
    if (iid == IID_IUnknown || iid == IID_IDispatch) {
        *object = static_cast<IDispatch*>(this);
        AddRef();
        return S_OK;
    }
    *object = nullptr;
    return E_NOINTERFACE;
}

ULONG DispatchObject::Release() {
    const ULONG left = --references_;
    if (left == 0) delete this;
    return left;
}

HRESULT DispatchObject::GetTypeInfoCount(UINT* count) {
    if (count == nullptr) return E_POINTER;
    *count = 0;
    return S_OK;
}

HRESULT DispatchObject::Invoke(DISPID member, REFIID, LCID, WORD flags, DISPPARAMS* params, VARIANT* result,
                               EXCEPINFO*, UINT*) {
    std::vector<const VARIANT*> arguments;
    if (params != nullptr) {
        if (params->cArgs > 0 && params->rgvarg == nullptr) return E_INVALIDARG;
        for (UINT i = params->cArgs; i > 0; --i) {
            const VARIANT* argument = &params->rgvarg[i - 1];
            while (argument != nullptr && argument->vt == (VT_VARIANT | VT_BYREF)) argument = argument->pvarVal;
            arguments.push_back(argument);
        }
    }
    if (result != nullptr) VariantInit(result);
    return call(member, flags, arguments, result);
}

std::wstring DispatchObject::textOf(const VARIANT* argument) {
    if (argument == nullptr || argument->vt != VT_BSTR || argument->bstrVal == nullptr) return {};
    return std::wstring(argument->bstrVal, SysStringLen(argument->bstrVal));
}

}  // namespace vexa::sim::win
