#include "ordo/tools/chamfer_options.h"

#include <cwchar>

#include "frame/lisp_items.h"

namespace vexa::ordo {

namespace {

// (n current size1 … sizen): strings after n, other elements skipped; sizes beyond n ignored.
SizeChoice readSizeChoice(const frame::Element& value) {
    SizeChoice choice;
    if (!value.isList()) return choice;
    const std::vector<frame::Element> children = value.children();
    if (children.empty() || !children.front().integer()) return choice;
    const int count = *children.front().integer();
    bool haveCurrent = false;
    for (std::size_t i = 1; i < children.size(); ++i) {
        const ACHAR* text = children[i].string();
        if (text == nullptr) continue;
        if (!haveCurrent) {
            choice.current = text;
            haveCurrent = true;
        } else if (static_cast<int>(choice.sizes.size()) < count) {
            choice.sizes.emplace_back(text);
        }
    }
    return choice;
}

}  // namespace

std::optional<DeChamfOptions> readDeChamfOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kDeChamfCaptionSlots);
    DeChamfOptions options;
    for (const frame::CodedOption& option : read.options) {
        double* field = option.code == 0 ? &options.fillet : option.code == 1 ? &options.chamfer : nullptr;
        if (field != nullptr) *field = option.value.real().value_or(*field);
    }
    // This dialog takes its captions only from a list tagged as the product tags them.
    if (read.captions && read.captionTag == L"LANGTEXT") options.captions = *read.captions;
    return options;
}

std::optional<DeChamfCommOptions> readDeChamfCommOptions(const resbuf* args) {
    if (args == nullptr) return std::nullopt;
    const frame::CodedArguments read = frame::readCodedArguments(args, kDeChamfCommCaptionSlots);
    DeChamfCommOptions options;
    for (const frame::CodedOption& option : read.options) {
        if (option.code == 0) options.mode = option.value.integer().value_or(static_cast<short>(options.mode));
        else if (option.code == 1) options.fillet = readSizeChoice(option.value);
        else if (option.code == 2) options.chamfer = readSizeChoice(option.value);
    }
    if (read.captions) options.captions = *read.captions;
    return options;
}

std::wstring numberFieldText(double value) {
    wchar_t text[64];
    std::swprintf(text, std::size(text), L"%g", value);
    return text;
}

frame::ListBuilder deChamfResult(const DeChamfOptions& options) {
    frame::ListBuilder result;
    result.real(options.fillet).real(options.chamfer);
    return result;
}

frame::ListBuilder deChamfCommResult(const DeChamfCommOptions& options) {
    frame::ListBuilder result;
    result.integer(static_cast<short>(options.mode)).real(options.filletValue).real(options.chamferValue);
    return result;
}

}  // namespace vexa::ordo
