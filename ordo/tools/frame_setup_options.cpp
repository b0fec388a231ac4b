#include "ordo/tools/frame_setup_options.h"

#include "frame/lisp_items.h"
#include "ordo/tools/counted_strings.h"

namespace vexa::ordo {

namespace {

// (M ename1 … enameM): names beyond M are ignored.
std::optional<std::vector<std::array<Adesk_Int64, 2>>> readFrameObjects(const frame::Element& list) {
    if (!list.isList() || list.isDottedPair()) return std::nullopt;
    const std::vector<frame::Element> children = list.children();
    const std::optional<short> count = children.empty() ? std::nullopt : children.front().integer();
    if (!count || *count < 0 || children.size() < 1 + static_cast<std::size_t>(*count)) return std::nullopt;
    std::vector<std::array<Adesk_Int64, 2>> names;
    for (std::size_t i = 1; i <= static_cast<std::size_t>(*count); ++i) {
        const resbuf* node = children[i].node();
        if (node->restype != RTENAME) return std::nullopt;
        names.push_back({node->resval.rlname[0], node->resval.rlname[1]});
    }
    return names;
}

}  // namespace

std::optional<InitScaleOptions> readInitScaleOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kInitScaleCaptionSlots);
    InitScaleOptions options;
    for (const frame::CodedOption& option : read.options) {
        switch (option.code) {
        case 0: options.scale = option.value.real().value_or(options.scale); break;
        case 1: options.groupLength = option.value.integer().value_or(static_cast<short>(options.groupLength)); break;
        case 2: options.snLength = option.value.integer().value_or(static_cast<short>(options.snLength)); break;
        case 3:
            if (const ACHAR* file = option.value.string()) options.helpFile = file;
            else options.helpFile.reset();
            break;
        case 4:
            if (const ACHAR* topic = option.value.string()) options.helpTopic = topic;
            break;
        default: break;
        }
    }
    if (read.captions) options.captions = *read.captions;
    if (options.captions.size() > 7) options.zeroScaleTitle = options.captions[7];
    if (options.captions.size() > 8) options.zeroScaleText = options.captions[8];
    return options;
}

std::optional<FrameSetupOptions> readFrameSetupOptions(const resbuf* args) {
    const std::vector<frame::Element> arguments = frame::elementsOf(args);
    if (arguments.size() < 2) return std::nullopt;
    const std::optional<CountedStrings> read = readCountedStrings(arguments[0], 3, kFrameSetupCaptionSlots);
    auto objects = readFrameObjects(arguments[1]);
    if (!read || !objects) return std::nullopt;
    FrameSetupOptions options;
    for (std::size_t i = 0; i + 2 < read->rowTexts.size(); i += 3) {
        options.rows.push_back({read->rowTexts[i], read->rowTexts[i + 1], read->rowTexts[i + 2]});
    }
    options.fixedRows = read->fixed;
    options.captions = read->captions;
    options.frameObjects = std::move(*objects);
    return options;
}

frame::ListBuilder initScaleResult(const InitScaleOptions& options) {
    frame::ListBuilder result;
    result.string(options.scaleText)
        .integer(static_cast<short>(options.groupLength))
        .integer(static_cast<short>(options.snLength));
    return result;
}

frame::ListBuilder frameSetupResult(const FrameSetupOptions& options) {
    frame::ListBuilder result;
    result.string(options.paper).string(options.width).string(options.height).string(options.scale);
    if (options.frameObjects.empty()) {
        result.nil();
    } else {
        result.beginList();
        for (const auto& object : options.frameObjects) result.name(object.data());
        result.endList();
    }
    if (options.rows.empty()) {
        result.nil();
    } else {
        result.beginList();
        for (const FrameLinkRow& row : options.rows) {
            result.beginList().string(row.name).string(row.text).string(row.handle).endList();
        }
        result.endList();
    }
    return result;
}

}  // namespace vexa::ordo
