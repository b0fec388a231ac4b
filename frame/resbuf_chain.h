// An owned result-buffer chain, released with the host's call, and the one builder of result lists.
#pragma once

#include <memory>
#include <string_view>

#include "acad/aced.h"

namespace vexa::frame {

struct ResbufRelease {
    void operator()(resbuf* rb) const { acutRelRb(rb); }
};
using ResbufChain = std::unique_ptr<resbuf, ResbufRelease>;

class ListBuilder {
public:
    ListBuilder& integer(short value);
    ListBuilder& longInteger(Adesk_Int32 value);
    ListBuilder& real(double value);
    ListBuilder& string(std::wstring_view text);
    ListBuilder& point(const ads_point point);
    ListBuilder& name(const ads_name name);
    ListBuilder& beginList();
    ListBuilder& endList();
    ListBuilder& nil();
    ListBuilder& t();
    // Appends a copy of another chain's nodes, up to `end` (not copied) or the chain's end.
    ListBuilder& copy(const resbuf* chain, const resbuf* end = nullptr);

    const resbuf* chain() const { return head_.get(); }
    bool empty() const { return head_ == nullptr; }
    ResbufChain take();
    // Hands the list to the host as the function's result; the builder keeps and later releases it.
    void returnResult() const;

private:
    resbuf* append(int type);

    ResbufChain head_;
    resbuf* tail_ = nullptr;
};

}  // namespace vexa::frame
