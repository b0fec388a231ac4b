#include "sim/user/user_script.h"

#include <sstream>

#include "sim/fault_points.h"
#include "sim/host.h"
#include "sim/user/cursor_acts.h"
#include "sim/user/selection_acts.h"
#include "sim/user/window_acts.h"

namespace vexa::sim {

namespace {

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
}

// The acts in a dialog (sim/win/dialog_script.cpp reads them).
std::optional<win::DialogAct> parseDialogActOnLine(const std::wstring& verb, const std::wstring& rest, int number) {
    try {
        return win::parseDialogAct(verb, rest);
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error("user file line " + std::to_string(number) + ": " + error.what());
    }
}

// The acts in the drawing (sim/editor/selection_acts.cpp and sim/monitors/cursor_acts.cpp read them).
std::optional<std::vector<PromptAnswer>> parseSelectionActOnLine(const std::wstring& verb, const std::wstring& rest, int number) {
    try {
        if (auto acts = editor::parseSelectionAct(verb, rest)) return acts;
        return monitors::parseCursorAct(verb, rest);
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error("user file line " + std::to_string(number) + ": " + error.what());
    }
}

// The acts on windows and the queue (sim/user/window_acts.cpp reads them).
std::optional<PromptAnswer> parseWindowActOnLine(const std::wstring& verb, const std::wstring& rest, int number) {
    try {
        return parseWindowAct(verb, rest);
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error("user file line " + std::to_string(number) + ": " + error.what());
    }
}

// "fault SERVICE [N]": armed as the file is read, so N counts the calls of the whole run.
void armFaultOnLine(Host& host, const std::wstring& rest, int number) {
    std::wistringstream words(rest);
    std::wstring service;
    std::wstring nth;
    words >> service >> nth;
    try {
        armFaultFromText(host, nth.empty() ? service : service + L":" + nth);
    } catch (const std::invalid_argument& error) {
        throw std::runtime_error("user file line " + std::to_string(number) + ": " + error.what());
    }
}

}  // namespace

void queueUserScript(Host& host, std::wstring_view text) {
    std::wistringstream lines{std::wstring(text)};
    std::wstring line;
    int number = 0;
    while (std::getline(lines, line)) {
        ++number;
        if (!line.empty() && line.back() == L'\r') line.pop_back();
        std::wistringstream words(line);
        std::wstring verb;
        std::wstring rest;
        if (!(words >> verb) || verb.front() == L'#') continue;
        std::getline(words >> std::ws, rest);
        if (verb == L"type") host.user().queue(PromptAnswer::typed(rest));
        else if (verb == L"enter") host.user().queue(PromptAnswer::enter());
        else if (verb == L"esc") host.user().queue(PromptAnswer::escape());
        else if (verb == L"fault") armFaultOnLine(host, rest, number);
        else if (auto acts = parseSelectionActOnLine(verb, rest, number)) {
            for (PromptAnswer& act : *acts) host.user().queue(std::move(act));
        }
        else if (auto act = parseWindowActOnLine(verb, rest, number)) host.user().queue(std::move(*act));
        else if (auto act = parseDialogActOnLine(verb, rest, number)) host.user().queue(std::move(*act));
        else throw std::runtime_error("user file line " + std::to_string(number) + ": unknown act \"" + narrow(verb) + "\"");
    }
}

}  // namespace vexa::sim
