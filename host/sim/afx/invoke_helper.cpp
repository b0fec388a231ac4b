// Automation calls of the framework: InvokeHelper of a control's window and of a dispatch driver.
#include <vector>

#include "win/afxdisp.h"
#include "win/atlhost.h"

namespace {

constexpr BYTE kByReference = 0x40;

// Reads one C++ argument as the parameter string describes it; false for a type it has no rule for.
bool readArgument(BYTE type, va_list& arguments, VARIANT& out) {
    VariantInit(&out);
    switch (type) {
    case VT_I2: out.vt = VT_I2; out.iVal = static_cast<short>(va_arg(arguments, int)); return true;
    case VT_I4: out.vt = VT_I4; out.lVal = static_cast<LONG>(va_arg(arguments, long)); return true;
    case VT_R8: out.vt = VT_R8; out.dblVal = va_arg(arguments, double); return true;
    case VT_BOOL: out.vt = VT_BOOL; out.boolVal = va_arg(arguments, BOOL) ? VARIANT_TRUE : VARIANT_FALSE; return true;
    case VT_BSTR: {
        const wchar_t* text = va_arg(arguments, const wchar_t*);
        out.vt = VT_BSTR;
        out.bstrVal = SysAllocString(text != nullptr ? text : L"");
        return true;
    }
    case VT_DISPATCH: out.vt = VT_DISPATCH; out.pdispVal = va_arg(arguments, IDispatch*); return true;
    case VT_VARIANT | kByReference: out.vt = VT_VARIANT | VT_BYREF; out.pvarVal = va_arg(arguments, VARIANT*); return true;
    default: return false;
    }
}

void storeResult(VARTYPE type, VARIANT& value, void* result) {
    if (result == nullptr) return;
    if (type == VT_DISPATCH) {
        *static_cast<IDispatch**>(result) = value.vt == VT_DISPATCH ? value.pdispVal : nullptr;
        if (value.vt == VT_DISPATCH) value.vt = VT_EMPTY;  // the caller owns the reference now
    } else if (type == VT_BOOL) {
        *static_cast<BOOL*>(result) = value.vt == VT_BOOL && value.boolVal != VARIANT_FALSE;
    } else if (type == VT_I4) {
        *static_cast<long*>(result) = value.vt == VT_I4 ? value.lVal : 0;
    }
}

}  // namespace

HRESULT AfxInvokeDispatch(IDispatch* dispatch, DISPID member, WORD flags, VARTYPE resultType, void* result,
                          const BYTE* parameters, va_list arguments) {
    if (dispatch == nullptr) return E_POINTER;
    std::vector<VARIANT> values;
    va_list remaining;
    va_copy(remaining, arguments);
    bool readable = true;
    for (const BYTE* type = parameters; readable && type != nullptr && *type != 0; ++type) {
        VARIANT value;
        readable = readArgument(*type, remaining, value);
        if (readable) values.push_back(value);
    }
    va_end(remaining);
    if (!readable) {
        for (VARIANT& made : values) {
            if (made.vt == VT_BSTR) VariantClear(&made);
        }
        return DISP_E_TYPEMISMATCH;
    }
    // DISPPARAMS holds the arguments last first.
    std::vector<VARIANT> reversed(values.rbegin(), values.rend());
    DISPID named = DISPID_PROPERTYPUT;
    DISPPARAMS params{reversed.data(), nullptr, static_cast<UINT>(reversed.size()), 0};
    if ((flags & DISPATCH_PROPERTYPUT) != 0) {
        params.rgdispidNamedArgs = &named;
        params.cNamedArgs = 1;
    }
    VARIANT answer;
    VariantInit(&answer);
    const HRESULT status = dispatch->Invoke(member, IID_NULL, 0, flags, &params, resultType == VT_EMPTY ? nullptr : &answer,
                                            nullptr, nullptr);
    for (VARIANT& made : reversed) {
        if (made.vt == VT_BSTR) VariantClear(&made);
    }
    if (SUCCEEDED(status)) storeResult(resultType, answer, result);
    VariantClear(&answer);
    return status;
}

void CWnd::InvokeHelper(DISPID member, WORD flags, VARTYPE resultType, void* result, const BYTE* parameters, ...) {
    IUnknown* control = nullptr;
    if (FAILED(AtlAxGetControl(m_hWnd, &control))) return;
    IDispatch* dispatch = nullptr;
    const HRESULT found = control->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch));
    control->Release();
    if (FAILED(found)) return;
    va_list arguments;
    va_start(arguments, parameters);
    AfxInvokeDispatch(dispatch, member, flags, resultType, result, parameters, arguments);
    va_end(arguments);
    dispatch->Release();
}

void COleDispatchDriver::AttachDispatch(IDispatch* dispatch, BOOL autoRelease) {
    ReleaseDispatch();
    m_lpDispatch = dispatch;
    m_bAutoRelease = autoRelease;
}

IDispatch* COleDispatchDriver::DetachDispatch() {
    IDispatch* dispatch = m_lpDispatch;
    m_lpDispatch = nullptr;
    return dispatch;
}

void COleDispatchDriver::ReleaseDispatch() {
    if (m_lpDispatch != nullptr && m_bAutoRelease) m_lpDispatch->Release();
    m_lpDispatch = nullptr;
}

void COleDispatchDriver::InvokeHelper(DISPID member, WORD flags, VARTYPE resultType, void* result,
                                      const BYTE* parameters, ...) {
    va_list arguments;
    va_start(arguments, parameters);
    AfxInvokeDispatch(m_lpDispatch, member, flags, resultType, result, parameters, arguments);
    va_end(arguments);
}
