// The dialog acts of vexa-cad's user file.
#include <stdexcept>

#include "sim/user/dialog_act.h"
#include "win/commctrl.h"

namespace vexa::sim::win {

namespace {

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// The first word and the rest of the line (spaces inside the rest are kept).
std::pair<std::wstring, std::wstring> split(std::wstring_view text) {
    const std::size_t space = text.find(L' ');
    if (space == std::wstring_view::npos) return {std::wstring(text), {}};
    std::size_t rest = space;
    while (rest < text.size() && text[rest] == L' ') ++rest;
    return {std::wstring(text.substr(0, space)), std::wstring(text.substr(rest))};
}

int number(const std::wstring& text, std::string_view what) {
    try {
        std::size_t used = 0;
        const int value = std::stoi(text, &used);
        if (used == text.size()) return value;
    } catch (const std::exception&) {
    }
    throw std::invalid_argument(std::string(what) + " must be a number, not \"" + narrow(text) + "\"");
}

int controlId(const std::wstring& text) { return number(text, "the control id"); }

}  // namespace

std::optional<DialogAct> parseDialogAct(std::wstring_view verb, std::wstring_view rest) {
    using Kind = DialogAct::Kind;
    const auto [first, tail] = split(rest);
    auto need = [&](bool ok, const char* usage) {
        if (!ok) throw std::invalid_argument(std::string("usage: ") + usage);
    };
    if (verb == L"click") {
        need(!rest.empty(), "click ID|CAPTION");
        return DialogAct::make(Kind::Click, std::wstring(rest));
    }
    if (verb == L"dblclick") {
        need(!first.empty(), "dblclick ID [ENTRY]");
        return DialogAct::make(Kind::DoubleClick, first, tail);
    }
    if (verb == L"keys") {
        need(!first.empty(), "keys ID TEXT");
        return DialogAct::keys(controlId(first), tail);
    }
    if (verb == L"text") {
        need(!first.empty(), "text ID [TEXT]");
        return DialogAct::replaceText(controlId(first), tail);
    }
    if (verb == L"select") {
        need(!first.empty() && !tail.empty(), "select ID ENTRY");
        return DialogAct::select(controlId(first), tail);
    }
    if (verb == L"select-index") {
        need(!first.empty() && !tail.empty(), "select-index ID INDEX");
        return DialogAct::selectIndex(controlId(first), number(tail, "the index"));
    }
    if (verb == L"drop") {
        need(!first.empty(), "drop ID");
        return DialogAct::dropDown(controlId(first));
    }
    if (verb == L"drag") {
        need(!first.empty() && !tail.empty(), "drag ID POSITION [POSITION ...]");
        std::vector<int> positions;
        std::wstring remaining = tail;
        while (!remaining.empty()) {
            auto [word, more] = split(remaining);
            positions.push_back(number(word, "a position"));
            remaining = more;
        }
        return DialogAct::drag(controlId(first), positions);
    }
    if (verb == L"scroll") {
        need(!first.empty() && !tail.empty(), "scroll ID lineup|linedown|pageup|pagedown|top|bottom");
        const std::wstring codes[] = {L"lineup", L"linedown", L"pageup", L"pagedown", L"", L"", L"top", L"bottom"};
        for (int code = 0; code < 8; ++code) {
            if (!codes[code].empty() && codes[code] == tail) return DialogAct::scroll(controlId(first), code);
        }
        need(false, "scroll ID lineup|linedown|pageup|pagedown|top|bottom");
    }
    if (verb == L"check" || verb == L"uncheck" || verb == L"focus") {
        need(!first.empty() && tail.empty(), "check|uncheck|focus ID");
        const int id = controlId(first);
        return verb == L"check" ? DialogAct::check(id) : verb == L"uncheck" ? DialogAct::uncheck(id) : DialogAct::focus(id);
    }
    if (verb == L"tab") {
        need(!first.empty() && !tail.empty(), "tab ID INDEX|TEXT");
        try {
            return DialogAct::selectTab(controlId(first), number(tail, "the tab"));
        } catch (const std::invalid_argument&) {
            return DialogAct::select(controlId(first), tail);
        }
    }
    if (verb == L"label" || verb == L"label-esc") {
        need(!first.empty() && !tail.empty(), "label ID ROW [TEXT]");
        const auto [row, text] = split(tail);
        DialogAct act = DialogAct::editLabel(controlId(first), number(row, "the row"), text);
        if (verb == L"label-esc") act.positions = {1};
        return act;
    }
    if (verb == L"close") return rest.empty() ? DialogAct::close() : DialogAct::closeWindow(std::wstring(rest));
    if (verb == L"answer") {
        need(!rest.empty(), "answer ID|CAPTION");
        return DialogAct::make(Kind::Answer, std::wstring(rest));
    }
    if (verb == L"show") return rest.empty() ? DialogAct::show() : DialogAct::showWindow(std::wstring(rest));
    if (verb == L"status") {
        need(rest.empty(), "status");
        return DialogAct::status();
    }
    if (verb == L"folder") {
        need(!rest.empty(), "folder PATH");
        return DialogAct::chooseFolder(std::wstring(rest));
    }
    if (verb == L"folder-cancel") return DialogAct::cancelFolder();
    return std::nullopt;
}

}  // namespace vexa::sim::win
