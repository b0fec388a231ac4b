#include "sim/user_script.h"

#include <sstream>

#include "sim/host.h"

namespace vexa::sim {

namespace {

std::string narrow(std::wstring_view text) {
    std::string out;
    for (wchar_t c : text) out += c < 128 ? static_cast<char>(c) : '?';
    return out;
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
        else throw std::runtime_error("user file line " + std::to_string(number) + ": unknown act \"" + narrow(verb) + "\"");
    }
}

}  // namespace vexa::sim
