// A reference-counted automation object of a hosted control: members are reached by dispatch
// id, with the arguments handed over in call order.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "win/oaidl.h"

namespace vexa::sim::win {

class DispatchObject : public IDispatch {
public:
    HRESULT QueryInterface(REFIID iid, void** object) override;
    ULONG AddRef() override { return ++references_; }
    ULONG Release() override;
    HRESULT GetTypeInfoCount(UINT* count) override;
    HRESULT GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT GetIDsOfNames(REFIID, OLECHAR**, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT Invoke(DISPID member, REFIID iid, LCID locale, WORD flags, DISPPARAMS* params, VARIANT* result,
                   EXCEPINFO* exception, UINT* argumentError) override;

    // What `show` prints of the control: its kind, a one-line state and lines below it.
    virtual std::wstring kind() const = 0;
    virtual std::wstring state() const { return {}; }
    virtual std::vector<std::wstring> details() const { return {}; }

protected:
    DispatchObject() = default;
    virtual ~DispatchObject() = default;
    // One member call; arguments by value (by-reference ones already followed).
    virtual HRESULT call(DISPID member, WORD flags, std::span<const VARIANT* const> arguments, VARIANT* result) = 0;

    // The text of a string argument; empty for a missing or empty one.
    static std::wstring textOf(const VARIANT* argument);

private:
    ULONG references_ = 1;
};

}  // namespace vexa::sim::win
