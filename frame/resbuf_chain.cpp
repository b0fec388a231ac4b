#include "frame/resbuf_chain.h"

#include <cstring>
#include <string>

namespace vexa::frame {

resbuf* ListBuilder::append(int type) {
    resbuf* node = acutNewRb(type);
    if (node == nullptr) return nullptr;
    if (tail_ == nullptr) {
        head_.reset(node);
    } else {
        tail_->rbnext = node;
    }
    tail_ = node;
    return node;
}

ListBuilder& ListBuilder::integer(short value) {
    if (resbuf* node = append(RTSHORT)) node->resval.rint = value;
    return *this;
}

ListBuilder& ListBuilder::longInteger(Adesk_Int32 value) {
    if (resbuf* node = append(RTLONG)) node->resval.rlong = value;
    return *this;
}

ListBuilder& ListBuilder::real(double value) {
    if (resbuf* node = append(RTREAL)) node->resval.rreal = value;
    return *this;
}

ListBuilder& ListBuilder::string(std::wstring_view text) {
    if (resbuf* node = append(RTSTR)) node->resval.rstring = acutNewString(std::wstring(text).c_str());
    return *this;
}

ListBuilder& ListBuilder::point(const ads_point point) {
    if (resbuf* node = append(RT3DPOINT)) std::memcpy(node->resval.rpoint, point, sizeof(ads_point));
    return *this;
}

ListBuilder& ListBuilder::name(const ads_name name) {
    if (resbuf* node = append(RTENAME)) std::memcpy(node->resval.rlname, name, sizeof(ads_name));
    return *this;
}

ListBuilder& ListBuilder::beginList() {
    append(RTLB);
    return *this;
}

ListBuilder& ListBuilder::endList() {
    append(RTLE);
    return *this;
}

ListBuilder& ListBuilder::nil() {
    append(RTNIL);
    return *this;
}

ListBuilder& ListBuilder::t() {
    append(RTT);
    return *this;
}

ListBuilder& ListBuilder::copy(const resbuf* chain, const resbuf* end) {
    for (const resbuf* node = chain; node != nullptr && node != end; node = node->rbnext) {
        resbuf* added = append(node->restype);
        if (added == nullptr) break;
        added->resval = node->resval;
        if (node->restype == RTSTR) {
            added->resval.rstring = node->resval.rstring ? acutNewString(node->resval.rstring) : nullptr;
        }
    }
    return *this;
}

ResbufChain ListBuilder::take() {
    tail_ = nullptr;
    return std::move(head_);
}

void ListBuilder::returnResult() const {
    if (head_) acedRetList(head_.get());
    else acedRetNil();
}

}  // namespace vexa::frame
