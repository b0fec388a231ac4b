#include "sim/lisp_bridge.h"

#include <cstdlib>
#include <cstring>
#include <cwchar>
#include <limits>

namespace vexa::sim {

using lisp::ValueKind;
using lisp::ValuePtr;

namespace {

// Deeper nesting than this is cut to nil so a hostile value cannot exhaust the stack.
constexpr int maxDepth = 4096;

class ChainWriter {
public:
    resbuf* add(int type) {
        resbuf* node = ResbufLedger::newNode(type);
        if (tail_ == nullptr) head_.reset(node);
        else tail_->rbnext = node;
        tail_ = node;
        return node;
    }
    void addString(int type, const std::wstring& text) {
        resbuf* node = add(type);
        node->resval.rstring = static_cast<ACHAR*>(std::malloc((text.size() + 1) * sizeof(ACHAR)));
        std::wmemcpy(node->resval.rstring, text.c_str(), text.size() + 1);
    }
    HostChain take() { return std::move(head_); }

private:
    HostChain head_;
    resbuf* tail_ = nullptr;
};

// AutoLISP hands a list of two or three reals to native code as a point; a list holding an
// integer stays a list, so an option item such as (1 5.0) arrives as a list.
bool writePoint(ChainWriter& out, const std::vector<ValuePtr>& items) {
    if (items.size() < 2 || items.size() > 3) return false;
    for (const ValuePtr& item : items) {
        if (!item || !item->is(ValueKind::Real)) return false;
    }
    resbuf* node = out.add(items.size() == 2 ? RTPOINT : RT3DPOINT);
    for (std::size_t i = 0; i < items.size(); ++i) node->resval.rpoint[i] = items[i]->real();
    return true;
}

void writeValue(ChainWriter& out, const ValuePtr& value, int depth);

void writeList(ChainWriter& out, const ValuePtr& list, int depth) {
    std::vector<ValuePtr> items;
    ValuePtr rest = list;
    for (; rest && rest->is(ValueKind::Cons); rest = rest->cons().cdr) items.push_back(rest->cons().car);
    if (!rest && writePoint(out, items)) return;
    out.add(RTLB);
    for (const ValuePtr& item : items) writeValue(out, item, depth + 1);
    if (rest) {
        out.add(RTDOTE);
        writeValue(out, rest, depth + 1);
    }
    out.add(RTLE);
}

void writeValue(ChainWriter& out, const ValuePtr& value, int depth) {
    if (!value || depth > maxDepth) {
        out.add(RTNIL);
        return;
    }
    switch (value->kind()) {
    case ValueKind::Integer: {
        const std::int32_t number = value->integer();
        if (number >= std::numeric_limits<short>::min() && number <= std::numeric_limits<short>::max()) {
            out.add(RTSHORT)->resval.rint = static_cast<short>(number);
        } else {
            out.add(RTLONG)->resval.rlong = number;
        }
        return;
    }
    case ValueKind::Real: out.add(RTREAL)->resval.rreal = value->real(); return;
    case ValueKind::String: out.addString(RTSTR, value->string()); return;
    case ValueKind::Symbol:
        if (value->symbolName() == L"T") out.add(RTT);
        else out.addString(RTSTR, value->symbolName());
        return;
    case ValueKind::EntityName: {
        resbuf* node = out.add(RTENAME);
        node->resval.rlname[0] = value->entityId();
        node->resval.rlname[1] = 0;
        return;
    }
    case ValueKind::Cons: writeList(out, value, depth); return;
    case ValueKind::Subr:
    case ValueKind::UserFunction:
    case ValueKind::File: out.add(RTNIL); return;
    }
}

class ChainReader {
public:
    explicit ChainReader(const resbuf* node) : node_(node) {}
    bool done() const { return node_ == nullptr; }

    // Reads one value; returns false at a list end or when the chain is malformed.
    bool read(ValuePtr& value, int depth = 0) {
        if (node_ == nullptr) return false;
        const resbuf* node = node_;
        node_ = node_->rbnext;
        switch (node->restype) {
        case RTSHORT: value = lisp::makeInteger(node->resval.rint); return true;
        case RTLONG: value = lisp::makeInteger(node->resval.rlong); return true;
        case RTREAL:
        case RTANG:
        case RTORINT: value = lisp::makeReal(node->resval.rreal); return true;
        case RTSTR: value = lisp::makeString(node->resval.rstring ? node->resval.rstring : L""); return true;
        case RTENAME:
        case RTPICKS: value = lisp::makeEntityName(node->resval.rlname[0]); return true;
        case RTPOINT:
        case RT3DPOINT: {
            std::vector<ValuePtr> coordinates;
            const int count = node->restype == RTPOINT ? 2 : 3;
            for (int i = 0; i < count; ++i) coordinates.push_back(lisp::makeReal(node->resval.rpoint[i]));
            value = lisp::makeList(coordinates);
            return true;
        }
        case RTNIL:
        case RTNONE:
        case RTVOID: value = nullptr; return true;
        case RTT: value = lisp::trueValue(); return true;
        case RTLB: return readList(value, depth + 1);
        default: value = nullptr; return true;
        }
    }

private:
    bool readList(ValuePtr& value, int depth) {
        if (depth > maxDepth) return false;
        std::vector<ValuePtr> items;
        ValuePtr tail;
        while (node_ != nullptr) {
            if (node_->restype == RTLE) {
                node_ = node_->rbnext;
                value = lisp::makeList(items, tail);
                return true;
            }
            if (node_->restype == RTDOTE) {
                node_ = node_->rbnext;
                if (!read(tail, depth)) break;
                continue;
            }
            ValuePtr item;
            if (!read(item, depth)) break;
            items.push_back(item);
        }
        value = lisp::makeList(items, tail);
        return true;
    }

    const resbuf* node_;
};

}  // namespace

HostChain chainFromValues(const std::vector<ValuePtr>& values) {
    ChainWriter out;
    for (const ValuePtr& value : values) writeValue(out, value, 0);
    return out.take();
}

std::vector<ValuePtr> valuesFromChain(const resbuf* chain) {
    std::vector<ValuePtr> values;
    ChainReader reader(chain);
    ValuePtr value;
    while (!reader.done() && reader.read(value)) values.push_back(value);
    return values;
}

ValuePtr valueFromResult(const resbuf* chain) {
    if (chain == nullptr) return nullptr;
    std::vector<ValuePtr> values = valuesFromChain(chain);
    if (values.size() == 1) return values.front();
    return lisp::makeList(values);
}

}  // namespace vexa::sim
