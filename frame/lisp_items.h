// Reading the argument conventions of the product's AutoLISP calls: items, 16-bit integers,
// caption lists, coded option lists, colour quadruples and layer rows.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "acad/adscodes.h"

namespace vexa::frame {

// One element of a chain: a single node, or a whole list from its RTLB to its RTLE.
class Element {
public:
    explicit Element(const resbuf* node) : node_(node) {}
    const resbuf* node() const { return node_; }
    bool isList() const { return node_->restype == RTLB; }
    bool isDottedPair() const;
    // The elements inside a list (empty for a single node).
    std::vector<Element> children() const;

    std::optional<short> integer() const;  // RTSHORT or RTLONG, read as 16 bits
    std::optional<double> real() const;     // a finite RTREAL, or an integer widened
    const ACHAR* string() const;            // RTSTR text, else null
    // A 3D point (a 2D point gets z 0) with finite coordinates.
    std::optional<std::array<double, 3>> point() const;
    // An entity name, copied into `name`.
    bool entityName(ads_name name) const;

private:
    const resbuf* node_;
};

// The top-level elements of a chain, up to its end or the list end that closes it.
std::vector<Element> elementsOf(const resbuf* chain);

// A caption list's texts: the strings after the tag, at most `slots`, up to the first non-string.
std::vector<std::wstring> readCaptions(const std::vector<Element>& list, std::size_t slots);

// Whether an item is a caption list: a list whose first element is a string.
bool isCaptionList(const Element& item);

struct CodedOption {
    short code;
    Element value;
};

struct CodedArguments {
    std::vector<CodedOption> options;
    std::optional<std::vector<std::wstring>> captions;
    std::wstring captionTag;  // the caption list's first string
};

// Option items (code value) and the first caption list; other shapes are skipped.
CodedArguments readCodedArguments(const resbuf* args, std::size_t captionSlots);

struct ColourQuad {
    int method = 0;
    int red = 0;
    int green = 0;
    int blue = 0;
};

std::optional<ColourQuad> readColourQuad(const Element& item);

struct LayerRow {
    short row = 0;
    std::wstring name;
    short exists = 0;
    ColourQuad colour;
    std::wstring linetype;
};

// A layer row (k name exists (quad) linetype) or, without exists, (k name (quad) linetype).
// Reads no further than the list holds; missing values stay empty or 0.
std::optional<LayerRow> readLayerRow(const Element& item, bool withExists);

}  // namespace vexa::frame
