#include "kito/settings/settings_request.h"

#include <cwctype>
#include <unordered_set>

#include "frame/lisp_items.h"

namespace vexa::kito {

namespace {

using frame::Element;

constexpr std::size_t kTextCount = 17;

std::wstring stringOrEmpty(const Element& element) {
    const ACHAR* text = element.string();
    return text ? text : L"";
}

std::optional<std::wstring> optionalString(const std::vector<Element>& list, std::size_t index) {
    if (index >= list.size() || list[index].string() == nullptr) return std::nullopt;
    return std::wstring(list[index].string());
}

// A list of strings, the other elements skipped; nothing when the element is no list (nil is empty).
std::optional<std::vector<std::wstring>> stringList(const Element& element) {
    if (element.node()->restype == RTNIL) return std::vector<std::wstring>{};
    if (!element.isList() || element.isDottedPair()) return std::nullopt;
    std::vector<std::wstring> strings;
    for (const Element& child : element.children()) {
        if (const ACHAR* text = child.string()) strings.emplace_back(text);
    }
    return strings;
}

PageColour readPageColour(const std::vector<Element>& page) {
    PageColour colour;
    if (page.size() < 2 || !page[1].isList() || page[1].isDottedPair()) return colour;
    const std::vector<Element> values = page[1].children();
    const std::optional<short> method = values.empty() ? std::nullopt : values[0].integer();
    if (!method) return colour;
    if (*method == -1) {
        colour.kind = PageColour::Kind::SecondPlaceholder;
        return colour;
    }
    colour.kind = PageColour::Kind::Given;
    colour.colour.method = *method;
    int* numbers[] = {&colour.colour.index, &colour.colour.red, &colour.colour.green, &colour.colour.blue};
    std::size_t next = 1;
    for (int* number : numbers) {
        if (next >= values.size() || !values[next].integer()) break;
        *number = *values[next++].integer();
    }
    if (next < values.size() && values[next].string()) colour.colour.name = values[next++].string();
    if (next < values.size() && values[next].string()) colour.colour.book = values[next].string();
    return colour;
}

std::optional<PageValues> readPage(const Element& element) {
    if (element.node()->restype == RTNIL) return PageValues{};
    if (!element.isList() || element.isDottedPair()) return std::nullopt;
    const std::vector<Element> page = element.children();
    return PageValues{optionalString(page, 0), readPageColour(page), optionalString(page, 2)};
}

// The texts in order; nil stands for an empty example or note, every other text is a string.
std::optional<SettingsTexts> readTexts(const std::vector<Element>& elements, std::size_t first) {
    if (elements.size() < first + kTextCount) return std::nullopt;
    std::vector<std::wstring> texts;
    for (std::size_t i = 0; i < kTextCount; ++i) {
        const Element& element = elements[first + i];
        const bool mayBeNil = i == 10 || (i >= 11 && i <= 13);
        if (element.string() != nullptr) texts.emplace_back(element.string());
        else if (mayBeNil && element.node()->restype == RTNIL) texts.emplace_back();
        else return std::nullopt;
    }
    SettingsTexts read;
    read.title = texts[0];
    for (std::size_t i = 0; i < 4; ++i) read.tabNames[i] = texts[1 + i];
    read.ok = texts[5];
    read.cancel = texts[6];
    read.fadingLabel = texts[7];
    read.opacityLabel = texts[8];
    read.symbolLabel = texts[9];
    read.example = texts[10];
    for (std::size_t i = 0; i < 3; ++i) read.notes[i] = texts[11 + i];
    for (std::size_t i = 0; i < 3; ++i) read.propertyLabels[i] = texts[14 + i];
    return read;
}

std::wstring folded(std::wstring_view text) {
    std::wstring out(text);
    for (wchar_t& c : out) c = static_cast<wchar_t>(std::towupper(static_cast<wint_t>(c)));
    return out;
}

}  // namespace

std::optional<SettingsRequest> readSettingsRequest(const resbuf* args) {
    const std::vector<Element> elements = frame::elementsOf(args);
    if (elements.size() < 5 || !elements[0].isList() || elements[0].isDottedPair() || !elements[1].isList() ||
        elements[1].isDottedPair()) {
        return std::nullopt;
    }
    SettingsRequest request;
    const std::vector<Element> words = elements[0].children();
    if (words.size() < 5 || words[1].string() == nullptr || words[2].string() == nullptr) return std::nullopt;
    request.notGiven = stringOrEmpty(words[0]);
    request.fixedChoice = words[1].string();
    request.sublayer = words[2].string();
    request.symbolMark = stringOrEmpty(words[3]);
    std::optional<std::vector<std::wstring>> names = stringList(words[4]);
    if (!names) return std::nullopt;
    request.layerNames = std::move(*names);

    const std::vector<Element> symbols = elements[1].children();
    if (symbols.size() < 2) return std::nullopt;
    request.symbol = optionalString(symbols, 0);
    std::optional<std::vector<std::wstring>> offered = stringList(symbols[1]);
    if (!offered) return std::nullopt;
    request.symbols = std::move(*offered);

    for (std::size_t i = 0; i < 3; ++i) {
        std::optional<PageValues> page = readPage(elements[2 + i]);
        if (!page) return std::nullopt;
        request.pages[i] = std::move(*page);
    }
    std::optional<SettingsTexts> texts = readTexts(elements, 5);
    if (!texts) return std::nullopt;
    request.texts = std::move(*texts);
    if (elements.size() > 5 + kTextCount) request.firstTab = elements[5 + kTextCount].integer().value_or(0);
    return request;
}

std::wstring placeholderEntry(const std::wstring& word) { return L"<" + word + L">"; }

std::vector<std::wstring> sharedLayerEntries(const SettingsRequest& request) {
    std::vector<std::wstring> entries;
    entries.reserve(request.layerNames.size() + 3);
    if (!request.notGiven.empty()) entries.push_back(placeholderEntry(request.notGiven));
    entries.push_back(placeholderEntry(request.fixedChoice));
    entries.push_back(placeholderEntry(request.sublayer));
    const std::wstring& mark = request.symbolMark;
    if (!mark.empty()) {
        std::unordered_set<std::wstring> seen;
        for (const std::wstring& name : request.layerNames) {
            // The first occurrence counts: a name that begins with D is no sublayer.
            const std::size_t at = name.find(mark);
            if (at == std::wstring::npos || at == 0) continue;
            const std::wstring_view part = std::wstring_view(name).substr(at);
            if (seen.insert(folded(part)).second) entries.push_back(placeholderEntry(request.sublayer + std::wstring(part)));
        }
    }
    entries.insert(entries.end(), request.layerNames.begin(), request.layerNames.end());
    return entries;
}

}  // namespace vexa::kito
