#include "kito/download/UDFCallback.h"

namespace vexa::kito {

HRESULT CUDFCallback::QueryInterface(REFIID, void**) { return E_NOTIMPL; }

ULONG CUDFCallback::AddRef() { return 0; }

ULONG CUDFCallback::Release() { return 0; }

HRESULT CUDFCallback::OnStartBinding(DWORD, IBinding*) { return E_NOTIMPL; }

HRESULT CUDFCallback::GetPriority(LONG*) { return E_NOTIMPL; }

HRESULT CUDFCallback::OnLowResource(DWORD) { return E_NOTIMPL; }

HRESULT CUDFCallback::OnProgress(ULONG, ULONG, ULONG, LPCWSTR) {
    // Compared as signed numbers: a negative limit stops at the first report.
    const auto elapsed = static_cast<LONG>(GetTickCount() - startTick_);
    return elapsed > timeLimit_ ? E_ABORT : S_OK;
}

HRESULT CUDFCallback::OnStopBinding(HRESULT, LPCWSTR) { return E_NOTIMPL; }

HRESULT CUDFCallback::GetBindInfo(DWORD*, BINDINFO*) { return E_NOTIMPL; }

HRESULT CUDFCallback::OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) { return E_NOTIMPL; }

HRESULT CUDFCallback::OnObjectAvailable(REFIID, IUnknown*) { return E_NOTIMPL; }

}  // namespace vexa::kito
