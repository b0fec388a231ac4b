#include "ordo/tools/frame_attribute_options.h"

#include "frame/lisp_items.h"
#include "ordo/tools/counted_strings.h"

namespace vexa::ordo {

FrmAttOptions readFrmAttOptions(const resbuf* args) {
    FrmAttOptions options;
    for (const frame::Element& item : frame::elementsOf(args)) {
        if (!item.isList() || item.isDottedPair()) continue;
        const std::vector<frame::Element> children = item.children();
        if (frame::isCaptionList(item)) {
            // Nothing after the caption list is read.
            options.captions = frame::readCaptions(children, kFrmAttCaptionSlots);
            break;
        }
        if (children.size() != 2 || children[1].string() == nullptr) continue;
        const std::optional<short> slot = children[0].integer();
        if (!slot || *slot < 0 || *slot >= static_cast<short>(kFrameFieldSlots)) continue;
        options.fields[static_cast<std::size_t>(*slot)] = children[1].string();
    }
    return options;
}

std::optional<FrameListOptions> readFrameListOptions(const resbuf* args) {
    const std::vector<frame::Element> arguments = frame::elementsOf(args);
    if (arguments.empty() || !arguments.front().isList()) return std::nullopt;
    const std::optional<CountedStrings> read = readCountedStrings(arguments.front(), 2, kFrameListCaptionSlots);
    if (!read) return std::nullopt;
    FrameListOptions options;
    options.readOnlyRows = read->fixed;
    for (std::size_t i = 0; i + 1 < read->rowTexts.size(); i += 2) {
        options.rows.push_back({read->rowTexts[i], read->rowTexts[i + 1]});
    }
    options.captions = read->captions;
    return options;
}

frame::ListBuilder frmAttResult(const FrmAttOptions& options) {
    frame::ListBuilder result;
    for (const std::wstring& field : options.fields) result.string(field);
    return result;
}

frame::ListBuilder frameListResult(const FrameListOptions& options) {
    frame::ListBuilder result;
    for (const FrameAttributeRow& row : options.rows) result.beginList().string(row.name).string(row.value).endList();
    return result;
}

}  // namespace vexa::ordo
