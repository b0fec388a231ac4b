#include "sim/commands/prompts.h"

#include <cwchar>

#include "sim/host.h"

namespace vexa::sim {

namespace {

bool isObjectSnapOverride(std::wstring text) {
    if (!text.empty() && text.front() == L'_') text.erase(0, 1);
    static const wchar_t* const modes[] = {L"NONE", L"NON", L"END", L"MID", L"CEN", L"INT", L"PER", L"NEA", L"QUA", L"TAN", L"NOD", L"INS"};
    const std::wstring upper = upperCase(text);
    for (const wchar_t* mode : modes) {
        if (upper == mode) return true;
    }
    return false;
}

std::optional<double> readNumber(const std::wstring& text, std::size_t& position) {
    const wchar_t* start = text.c_str() + position;
    wchar_t* end = nullptr;
    const double value = std::wcstod(start, &end);
    if (end == start) return std::nullopt;
    position += static_cast<std::size_t>(end - start);
    return value;
}

std::optional<db::Point3> readPoint(const std::wstring& text) {
    std::size_t position = 0;
    double coordinates[3] = {0.0, 0.0, 0.0};
    int count = 0;
    while (count < 3) {
        const std::optional<double> value = readNumber(text, position);
        if (!value) return std::nullopt;
        coordinates[count++] = *value;
        if (position == text.size()) break;
        if (text[position] != L',') return std::nullopt;
        ++position;
    }
    if (count < 2 || position != text.size()) return std::nullopt;
    return db::Point3{coordinates[0], coordinates[1], coordinates[2]};
}

}  // namespace

std::optional<db::Point3> promptPoint(Host& host, const wchar_t* prompt) {
    for (;;) {
        const PromptResult answer = host.promptString(false, prompt);
        if (answer.status != RTNORM || answer.text.empty()) return std::nullopt;
        if (isObjectSnapOverride(answer.text)) continue;
        if (std::optional<db::Point3> point = readPoint(answer.text)) return point;
        host.commandLine().print(L"Point or option keyword required.\n");
    }
}

std::optional<double> promptDistance(Host& host, const wchar_t* prompt) {
    for (;;) {
        const PromptResult answer = host.promptString(false, prompt);
        if (answer.status != RTNORM || answer.text.empty()) return std::nullopt;
        std::size_t position = 0;
        const std::optional<double> value = readNumber(answer.text, position);
        if (value && position == answer.text.size() && *value > 0.0) return value;
        host.commandLine().print(L"Requires a positive number.\n");
    }
}

}  // namespace vexa::sim
