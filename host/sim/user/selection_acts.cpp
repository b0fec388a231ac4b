#include "sim/user/selection_acts.h"

#include <sstream>
#include <stdexcept>

#include "sim/system_variables.h"
#include "win/winuser.h"

namespace vexa::sim::editor {

namespace {

std::vector<std::wstring> wordsOf(const std::wstring& text) {
    std::wistringstream stream(text);
    std::vector<std::wstring> words;
    for (std::wstring word; stream >> word;) words.push_back(word);
    return words;
}

db::Point2 pointOf(const std::wstring& word) {
    std::wistringstream stream(word);
    double x = 0.0;
    double y = 0.0;
    wchar_t comma = 0;
    if (!(stream >> x >> comma >> y) || comma != L',' || !(stream >> std::ws).eof()) {
        throw std::invalid_argument("expected a point X,Y");
    }
    return {x, y};
}

std::vector<db::Point2> pointsOf(const std::vector<std::wstring>& words) {
    std::vector<db::Point2> points;
    for (const std::wstring& word : words) points.push_back(pointOf(word));
    return points;
}

int viewportNumber(const std::wstring& word) {
    try {
        return std::stoi(word);
    } catch (const std::exception&) {
        throw std::invalid_argument("expected a viewport number after \"in\"");
    }
}

PromptAnswer keyAct(const std::wstring& name) {
    std::wstring key = upperCase(name);
    const bool control = key.starts_with(L"CTRL+");
    if (control) key.erase(0, 5);
    if (key.size() == 1 && ((key[0] >= L'A' && key[0] <= L'Z') || (key[0] >= L'0' && key[0] <= L'9'))) {
        return PromptAnswer::key(key[0], control);
    }
    if (key.size() >= 2 && key[0] == L'F') {
        const int number = std::stoi(key.substr(1));
        if (number >= 1 && number <= 12) return PromptAnswer::key(0x70 + number - 1, control);
    }
    throw std::invalid_argument("expected a key: a letter, a digit or F1 to F12, with an optional ctrl+");
}

}  // namespace

PromptAnswer pickAt(db::Point2 world, int viewport) { return PromptAnswer::pick({false, world.x, world.y, viewport}); }

std::vector<PromptAnswer> windowActs(db::Point2 first, db::Point2 second, bool crossing) {
    return {PromptAnswer::typed(crossing ? L"C" : L"W"), pickAt(first), pickAt(second)};
}

std::vector<PromptAnswer> pointListActs(const std::wstring& option, const std::vector<db::Point2>& points) {
    std::vector<PromptAnswer> acts{PromptAnswer::typed(option)};
    for (const db::Point2& point : points) acts.push_back(pickAt(point));
    acts.push_back(PromptAnswer::enter());
    return acts;
}

std::optional<std::vector<PromptAnswer>> parseSelectionAct(const std::wstring& verb, const std::wstring& rest) {
    const std::vector<std::wstring> words = wordsOf(rest);
    if (verb == L"pick" || verb == L"middle-click") {
        std::vector<std::wstring> place = words;
        PromptAnswer act = PromptAnswer::pick({});
        act.middle = verb == L"middle-click";
        // Modifiers come last: "pick 10,20 in 3 shift ctrl".
        while (!place.empty() && (place.back() == L"shift" || place.back() == L"ctrl")) {
            (place.back() == L"shift" ? act.shift : act.control) = true;
            place.pop_back();
        }
        if (place.size() != 1 && !(place.size() == 3 && place[1] == L"in")) {
            throw std::invalid_argument("expected " + std::string(act.middle ? "middle-click" : "pick") + " X,Y [in N] [shift] [ctrl]");
        }
        const db::Point2 at = pointOf(place[0]);
        act.position = {false, at.x, at.y, place.size() == 3 ? viewportNumber(place[2]) : 0};
        return std::vector{act};
    }
    if (verb == L"pick-pixel") {
        if (words.size() != 1) throw std::invalid_argument("expected pick-pixel PX,PY");
        const db::Point2 pixel = pointOf(words[0]);
        return std::vector{PromptAnswer::pick({true, pixel.x, pixel.y, 0})};
    }
    if (verb == L"right-click") return std::vector{PromptAnswer::rightClick()};
    if (verb == L"key") {
        if (words.size() != 1) throw std::invalid_argument("expected key [ctrl+]KEY");
        return std::vector{keyAct(words[0])};
    }
    if (verb == L"window" || verb == L"crossing") {
        if (words.size() != 2) throw std::invalid_argument("expected two corners X,Y X,Y");
        return windowActs(pointOf(words[0]), pointOf(words[1]), verb == L"crossing");
    }
    if (verb == L"fence" || verb == L"wpolygon" || verb == L"cpolygon") {
        if (words.empty()) throw std::invalid_argument("expected points X,Y …");
        return pointListActs(verb == L"fence" ? L"F" : verb == L"wpolygon" ? L"WP" : L"CP", pointsOf(words));
    }
    return std::nullopt;
}

}  // namespace vexa::sim::editor
