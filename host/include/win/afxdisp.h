// The GUI framework's automation helpers: parameter-type strings for InvokeHelper and the
// dispatch driver that wraps an IDispatch of a control's sub-object (a player's settings).
#pragma once

#include <cstdarg>

#include "win/afxwin.h"
#include "win/oaidl.h"

// Each parameter's VARTYPE as one byte; 0x40 marks "by reference" as the framework spells it.
#define VTS_I2 "\x02"
#define VTS_I4 "\x03"
#define VTS_R8 "\x05"
#define VTS_BSTR "\x08"
#define VTS_DISPATCH "\x09"
#define VTS_BOOL "\x0B"
#define VTS_VARIANT "\x0C"
#define VTS_PVARIANT "\x4C"

// Calls a member of a dispatch interface with C++ arguments described by `parameters`
// (VTS_ strings: VTS_BSTR takes const wchar_t*, VTS_BOOL BOOL, VTS_I4 long, VTS_PVARIANT
// VARIANT*). The result of type `resultType` goes to *result (VT_DISPATCH: IDispatch*, owned
// by the caller; VT_BOOL: BOOL; VT_I4: long). Returns the HRESULT of the call.
HRESULT AfxInvokeDispatch(IDispatch* dispatch, DISPID member, WORD flags, VARTYPE resultType, void* result,
                          const BYTE* parameters, va_list arguments);

class COleDispatchDriver {
public:
    COleDispatchDriver() = default;
    // Takes over the reference of `dispatch` (released with the driver when autoRelease).
    explicit COleDispatchDriver(IDispatch* dispatch, BOOL autoRelease = TRUE)
        : m_lpDispatch(dispatch), m_bAutoRelease(autoRelease) {}
    ~COleDispatchDriver() { ReleaseDispatch(); }
    COleDispatchDriver(const COleDispatchDriver&) = delete;
    COleDispatchDriver& operator=(const COleDispatchDriver&) = delete;

    void AttachDispatch(IDispatch* dispatch, BOOL autoRelease = TRUE);
    IDispatch* DetachDispatch();
    void ReleaseDispatch();
    void InvokeHelper(DISPID member, WORD flags, VARTYPE resultType, void* result, const BYTE* parameters, ...);

    IDispatch* m_lpDispatch = nullptr;
    BOOL m_bAutoRelease = TRUE;
};
