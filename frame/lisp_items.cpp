#include "frame/lisp_items.h"

#include <cmath>

namespace vexa::frame {

namespace {

// The node after an element: past the matching RTLE for a list.
const resbuf* after(const resbuf* node) {
    if (node->restype != RTLB) return node->rbnext;
    int depth = 0;
    for (; node != nullptr; node = node->rbnext) {
        if (node->restype == RTLB) ++depth;
        else if (node->restype == RTLE && --depth == 0) return node->rbnext;
    }
    return nullptr;
}

}  // namespace

bool Element::isDottedPair() const {
    if (!isList()) return false;
    int depth = 0;
    for (const resbuf* node = node_; node != nullptr; node = node->rbnext) {
        if (node->restype == RTLB) ++depth;
        else if (node->restype == RTLE && --depth == 0) return false;
        else if (node->restype == RTDOTE && depth == 1) return true;
    }
    return false;
}

std::vector<Element> Element::children() const { return isList() ? elementsOf(node_->rbnext) : std::vector<Element>{}; }

std::optional<short> Element::integer() const {
    if (node_->restype == RTSHORT) return node_->resval.rint;
    if (node_->restype == RTLONG) return static_cast<short>(node_->resval.rlong);
    return std::nullopt;
}

std::optional<double> Element::real() const {
    // A non-finite real is no number a dialog can show or hand back.
    if (node_->restype == RTREAL) return std::isfinite(node_->resval.rreal) ? std::optional(node_->resval.rreal) : std::nullopt;
    if (const std::optional<short> number = integer()) return *number;
    return std::nullopt;
}

const ACHAR* Element::string() const {
    if (node_->restype != RTSTR) return nullptr;
    return node_->resval.rstring ? node_->resval.rstring : L"";
}

std::optional<std::array<double, 3>> Element::point() const {
    if (node_->restype != RT3DPOINT && node_->restype != RTPOINT) return std::nullopt;
    const ads_real* p = node_->resval.rpoint;
    const std::array<double, 3> point{p[0], p[1], node_->restype == RT3DPOINT ? p[2] : 0.0};
    for (const double coordinate : point) {
        if (!std::isfinite(coordinate)) return std::nullopt;
    }
    return point;
}

bool Element::entityName(ads_name name) const {
    if (node_->restype != RTENAME) return false;
    name[0] = node_->resval.rlname[0];
    name[1] = node_->resval.rlname[1];
    return true;
}

std::vector<Element> elementsOf(const resbuf* chain) {
    std::vector<Element> elements;
    for (const resbuf* node = chain; node != nullptr && node->restype != RTLE; node = after(node)) {
        if (node->restype != RTDOTE) elements.emplace_back(node);
    }
    return elements;
}

std::vector<std::wstring> readCaptions(const std::vector<Element>& list, std::size_t slots) {
    std::vector<std::wstring> captions;
    for (std::size_t i = 1; i < list.size() && captions.size() < slots; ++i) {
        const ACHAR* text = list[i].string();
        if (text == nullptr) break;
        captions.emplace_back(text);
    }
    return captions;
}

bool isCaptionList(const Element& item) {
    if (!item.isList() || item.isDottedPair()) return false;
    const std::vector<Element> children = item.children();
    return !children.empty() && children.front().string() != nullptr;
}

CodedArguments readCodedArguments(const resbuf* args, std::size_t captionSlots) {
    CodedArguments read;
    for (const Element& item : elementsOf(args)) {
        if (!item.isList() || item.isDottedPair()) continue;
        const std::vector<Element> children = item.children();
        if (isCaptionList(item)) {
            if (!read.captions) {
                read.captions = readCaptions(children, captionSlots);
                read.captionTag = children.front().string();
            }
            continue;
        }
        if (children.size() != 2) continue;
        if (const std::optional<short> code = children[0].integer()) read.options.push_back({*code, children[1]});
    }
    return read;
}

std::optional<ColourQuad> readColourQuad(const Element& item) {
    if (!item.isList()) return std::nullopt;
    const std::vector<Element> children = item.children();
    if (children.empty() || !children.front().integer()) return std::nullopt;
    int values[4] = {0, 0, 0, 0};
    for (std::size_t i = 0; i < 4 && i < children.size(); ++i) {
        const std::optional<short> number = children[i].integer();
        if (!number) break;
        values[i] = *number;
    }
    return ColourQuad{values[0], values[1], values[2], values[3]};
}

std::optional<LayerRow> readLayerRow(const Element& item, bool withExists) {
    if (!item.isList()) return std::nullopt;
    const std::vector<Element> children = item.children();
    if (children.empty() || !children.front().integer()) return std::nullopt;
    LayerRow row;
    row.row = *children[0].integer();
    std::size_t next = 1;
    auto text = [&](std::wstring& into) {
        if (next < children.size() && children[next].string() != nullptr) into = children[next].string();
        ++next;
    };
    text(row.name);
    if (withExists) {
        if (next < children.size()) row.exists = children[next].integer().value_or(0);
        ++next;
    }
    if (next < children.size()) row.colour = readColourQuad(children[next]).value_or(ColourQuad{});
    ++next;
    text(row.linetype);
    return row;
}

}  // namespace vexa::frame
