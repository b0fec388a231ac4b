#include "ordo/layers/lay_sub_new_arguments.h"

#include "frame/colour_quad.h"

namespace vexa::ordo {

namespace {

enum Position : std::size_t { kCount, kNames, kDestination, kColour, kLinetype, kCaptions, kElements };

// The strings of a list, when it holds at least `count` and the first `count` are all strings.
std::optional<std::vector<std::wstring>> firstStrings(const frame::Element& list, std::size_t count) {
    if (!list.isList()) return std::nullopt;
    const std::vector<frame::Element> items = list.children();
    if (items.size() < count) return std::nullopt;
    std::vector<std::wstring> strings;
    for (std::size_t i = 0; i < count; ++i) {
        if (items[i].string() == nullptr) return std::nullopt;
        strings.emplace_back(items[i].string());
    }
    return strings;
}

bool isFullQuad(const frame::Element& item) {
    if (!item.isList()) return false;
    const std::vector<frame::Element> numbers = item.children();
    if (numbers.size() < 4) return false;
    for (std::size_t i = 0; i < 4; ++i) {
        if (!numbers[i].integer()) return false;
    }
    return true;
}

}  // namespace

std::optional<SubLayerRequest> readSubLayerRequest(const resbuf* args) {
    const std::vector<frame::Element> arguments = frame::elementsOf(args);
    if (arguments.empty() || !arguments[0].isList()) return std::nullopt;
    const std::vector<frame::Element> form = arguments[0].children();
    if (form.size() < kElements) return std::nullopt;
    const std::optional<short> count = form[kCount].integer();
    if (!count || *count < 0) return std::nullopt;
    auto layers = firstStrings(form[kNames], static_cast<std::size_t>(*count));
    auto captions = firstStrings(form[kCaptions], kLaySubNewCaptions);
    const ACHAR* destination = form[kDestination].string();
    const ACHAR* linetype = form[kLinetype].string();
    if (!layers || !captions || destination == nullptr || linetype == nullptr || !isFullQuad(form[kColour])) {
        return std::nullopt;
    }
    return SubLayerRequest{std::move(*layers), destination, *frame::readColourQuad(form[kColour]), linetype,
                           std::move(*captions)};
}

void buildSubLayerAnswer(frame::ListBuilder& list, const SubLayerChoice& choice) {
    list.string(choice.destination).integer(static_cast<short>(choice.kind)).string(choice.otherSuffix);
    frame::appendQuad(list, choice.colour);
    list.string(choice.linetype);
}

}  // namespace vexa::ordo
