// What "Vexa-SetLaySub" reads from its one list, and the answer it gives at OK.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "frame/lisp_items.h"
#include "frame/resbuf_chain.h"

namespace vexa::ordo {

constexpr std::size_t kLaySubNewCaptions = 12;

// (N (name1 … nameN) destination (method red green blue) linetype (t0 … t11))
struct SubLayerRequest {
    std::vector<std::wstring> layers;
    std::wstring destination;
    frame::ColourQuad colour;
    std::wstring linetype;
    std::vector<std::wstring> captions;
};

// Nothing when the list is missing or shorter than its form: fewer names than N, a colour
// with fewer than four integers, fewer than twelve captions, or an element of another type.
// Names beyond the first N are not read.
std::optional<SubLayerRequest> readSubLayerRequest(const resbuf* args);

enum class SubLayerKind { Main = 0, Hidden = 1, Design = 2, Other = 3 };

struct SubLayerChoice {
    std::wstring destination;
    SubLayerKind kind = SubLayerKind::Main;
    std::wstring otherSuffix;
    frame::ColourQuad colour;
    std::wstring linetype;
};

// The elements of the answer list (destination kind other (method red green blue) linetype).
void buildSubLayerAnswer(frame::ListBuilder& list, const SubLayerChoice& choice);

}  // namespace vexa::ordo
