// The URL moniker's download into a file and its status callback (real Windows values).
#pragma once

#include "win/unknwn.h"
#include "win/winuser.h"

// Handed to callbacks by the binding; the plug-ins never look inside them.
struct IBinding;
struct BINDINFO;
struct FORMATETC;
struct STGMEDIUM;

struct IBindStatusCallback : IUnknown {
    virtual HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD reserved, IBinding* binding) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetPriority(LONG* priority) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnLowResource(DWORD reserved) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnProgress(ULONG progress, ULONG progressMax, ULONG statusCode,
                                                 LPCWSTR statusText) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT result, LPCWSTR error) = 0;
    virtual HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD* bindFlags, BINDINFO* bindInfo) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD flags, DWORD size, FORMATETC* format,
                                                      STGMEDIUM* medium) = 0;
    virtual HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID riid, IUnknown* object) = 0;
};
using LPBINDSTATUSCALLBACK = IBindStatusCallback*;

enum BINDSTATUS : ULONG {
    BINDSTATUS_FINDINGRESOURCE = 1,
    BINDSTATUS_CONNECTING = 2,
    BINDSTATUS_REDIRECTING = 3,
    BINDSTATUS_BEGINDOWNLOADDATA = 4,
    BINDSTATUS_DOWNLOADINGDATA = 5,
    BINDSTATUS_ENDDOWNLOADDATA = 6,
    BINDSTATUS_USINGCACHEDCOPY = 10,
    BINDSTATUS_SENDINGREQUEST = 11,
    BINDSTATUS_MIMETYPEAVAILABLE = 13,
    BINDSTATUS_CACHEFILENAMEAVAILABLE = 14,
};

constexpr HRESULT INET_E_INVALID_URL = static_cast<HRESULT>(0x800C0002);
constexpr HRESULT INET_E_CANNOT_CONNECT = static_cast<HRESULT>(0x800C0004);
constexpr HRESULT INET_E_RESOURCE_NOT_FOUND = static_cast<HRESULT>(0x800C0005);
constexpr HRESULT INET_E_DOWNLOAD_FAILURE = static_cast<HRESULT>(0x800C0008);
constexpr HRESULT INET_E_UNKNOWN_PROTOCOL = static_cast<HRESULT>(0x800C000D);
constexpr HRESULT INET_E_REDIRECT_FAILED = static_cast<HRESULT>(0x800C0014);

// Blocks until the file is complete, the transfer failed or the callback's OnProgress
// answered E_ABORT.
HRESULT WINAPI URLDownloadToFileW(LPUNKNOWN caller, LPCWSTR url, LPCWSTR fileName, DWORD reserved,
                                  LPBINDSTATUSCALLBACK callback);
