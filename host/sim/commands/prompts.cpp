#include "sim/commands/prompts.h"

#include <cmath>
#include <cwchar>

#include "acad/acedinpt.h"
#include "sim/editor/selection_prompt.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

// A point typed at the keyboard does not come from the digitizer.
constexpr int kKeyboardHistory = Acad::eNotDigitizer | Acad::eFromKeyboard;

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
    if (end == start || !std::isfinite(value)) return std::nullopt;
    position += static_cast<std::size_t>(end - start);
    return value;
}

std::optional<double> wholeNumber(const std::wstring& text) {
    std::size_t position = 0;
    const std::optional<double> value = readNumber(text, position);
    if (!value || position != text.size()) return std::nullopt;
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

double distanceBetween(const db::Point3& a, const db::Point3& b, bool planar) {
    const double dz = planar ? 0.0 : b.z - a.z;
    return std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y) + dz * dz);
}

// From 0 up to a full turn, counter-clockwise from the X axis.
double fullTurn(double radians) {
    const double turn = 2.0 * std::acos(-1.0);
    const double angle = std::fmod(radians, turn);
    return angle < 0.0 ? angle + turn : angle;
}

const wchar_t* invalidMessage(InputRequest::Kind kind) {
    switch (kind) {
    case InputRequest::Kind::Point: return L"Point or option keyword required.\n";
    case InputRequest::Kind::Distance: return L"Requires numeric distance or two points.\n";
    case InputRequest::Kind::Angle: return L"Requires numeric angle or two points.\n";
    case InputRequest::Kind::Keyword: return L"Invalid option keyword.\n";
    case InputRequest::Kind::Integer: return L"Requires an integer value.\n";
    case InputRequest::Kind::Real: return L"Requires numeric value.\n";
    }
    return L"";
}

// The message for a value the bits refuse, or null when they take it.
const wchar_t* refusal(double value, int bits) {
    const bool noZero = (bits & kNoZero) != 0;
    const bool noNegative = (bits & kNoNegative) != 0;
    if ((value == 0.0 && noZero) || (value < 0.0 && noNegative)) {
        if (noZero && noNegative) return L"Value must be positive and nonzero.\n";
        return noZero ? L"Value must be nonzero.\n" : L"Value must be positive.\n";
    }
    return nullptr;
}

class InputReader {
public:
    InputReader(Host& host, const InputRequest& request) : host_(host), request_(request), bits_(request.options.bits) {}

    InputAnswer run() {
        for (;;) {
            // A click answers every kind; one that wants no point refuses it with its message.
            const PromptResult typed = host_.promptString(false, request_.prompt, true);
            if (typed.status != RTNORM) return {typed.status};
            std::optional<InputAnswer> answer = typed.picked ? picked(*typed.picked) : text(typed.text);
            if (answer) return *answer;
        }
    }

private:
    bool measured() const { return request_.kind == InputRequest::Kind::Distance || request_.kind == InputRequest::Kind::Angle; }

    std::optional<InputAnswer> refuse(const wchar_t* message) {
        host_.commandLine().print(message);
        return std::nullopt;
    }

    std::optional<InputAnswer> picked(const db::Point3& point) {
        // The monitors see the click's place as a move before the host hands the point over.
        host_.cursor().moveTo(point);
        return fromPoint(point);
    }

    std::optional<InputAnswer> typedPoint(const db::Point3& point) {
        host_.cursor().report({true, kKeyboardHistory, point});
        return fromPoint(point);
    }

    std::optional<InputAnswer> fromPoint(const db::Point3& point) {
        if (request_.kind == InputRequest::Kind::Point) return InputAnswer{RTNORM, point};
        if (!measured()) return refuse(invalidMessage(request_.kind));
        db::Point3 first = point;
        db::Point3 second = point;
        if (request_.base) {
            first = *request_.base;
        } else {
            InputRequest next{InputRequest::Kind::Point, L"Specify second point: ", point, {kNoNull, {}}};
            const InputAnswer other = InputReader(host_, next).run();
            if (other.status != RTNORM) return InputAnswer{other.status};
            second = other.point;
        }
        if (request_.kind == InputRequest::Kind::Angle) return number(fullTurn(std::atan2(second.y - first.y, second.x - first.x)));
        return number(distanceBetween(first, second, (bits_ & kPlanar) != 0));
    }

    std::optional<InputAnswer> number(double value) {
        if (const wchar_t* message = refusal(value, bits_)) return refuse(message);
        InputAnswer answer{RTNORM};
        answer.real = value;
        answer.integer = static_cast<int>(value);
        return answer;
    }

    std::optional<InputAnswer> text(const std::wstring& typed) {
        if (typed.empty()) return empty();
        switch (request_.kind) {
        case InputRequest::Kind::Point:
            if (isObjectSnapOverride(typed)) return std::nullopt;
            if (const std::optional<db::Point3> point = readPoint(typed)) return typedPoint(*point);
            break;
        case InputRequest::Kind::Distance:
        case InputRequest::Kind::Angle:
            if (const std::optional<double> value = wholeNumber(typed)) {
                return number(request_.kind == InputRequest::Kind::Angle ? fullTurn(*value * std::acos(-1.0) / 180.0) : *value);
            }
            if (const std::optional<db::Point3> point = readPoint(typed)) return typedPoint(*point);
            break;
        case InputRequest::Kind::Integer: {
            const std::optional<double> value = wholeNumber(typed);
            if (value && std::trunc(*value) == *value && typed.find_first_of(L".eE") == std::wstring::npos) {
                if (*value < -32768.0 || *value > 32767.0) return refuse(L"Requires an integer between -32768 and 32767.\n");
                return number(*value);
            }
            break;
        }
        case InputRequest::Kind::Real:
            if (const std::optional<double> value = wholeNumber(typed)) return number(*value);
            break;
        case InputRequest::Kind::Keyword: break;
        }
        return word(typed);
    }

    // A keyword when the input is not of the kind asked for; with arbitrary input, any text.
    std::optional<InputAnswer> word(const std::wstring& typed) {
        const auto keywords = editor::readKeywords(request_.options.keywords);
        std::optional<std::wstring> keyword = editor::matchKeyword(keywords, typed);
        // A keyword's global name may be typed with its leading "_".
        if (!keyword && typed.size() > 1 && typed.front() == L'_') {
            for (const auto& [local, global] : keywords) {
                if (upperCase(global) == upperCase(typed.substr(1))) keyword = global;
            }
        }
        if (!keyword && (bits_ & kArbitrary) != 0) keyword = typed;
        if (!keyword) return refuse(invalidMessage(request_.kind));
        return keywordAnswer(*keyword);
    }

    std::optional<InputAnswer> keywordAnswer(std::wstring keyword) {
        host_.inputOptions().setLastKeyword(keyword);
        InputAnswer answer{request_.kind == InputRequest::Kind::Keyword ? RTNORM : RTKWORD};
        answer.keyword = std::move(keyword);
        return answer;
    }

    // Enter: nothing, unless the bits ask for input; arbitrary input takes it as empty text.
    std::optional<InputAnswer> empty() {
        if ((bits_ & kNoNull) == 0) return InputAnswer{RTNONE};
        if ((bits_ & kArbitrary) != 0) return keywordAnswer({});
        return refuse(invalidMessage(request_.kind));
    }

    Host& host_;
    const InputRequest& request_;
    int bits_;
};

}  // namespace

InputAnswer readInput(Host& host, const InputRequest& request) { return InputReader(host, request).run(); }

std::optional<db::Point3> promptPoint(Host& host, const wchar_t* prompt) {
    const InputAnswer answer = readInput(host, {InputRequest::Kind::Point, prompt});
    return answer.status == RTNORM ? std::optional<db::Point3>(answer.point) : std::nullopt;
}

std::optional<double> promptDistance(Host& host, const wchar_t* prompt) {
    const InputAnswer answer = readInput(host, {InputRequest::Kind::Distance, prompt, std::nullopt, {kNoZero | kNoNegative, {}}});
    return answer.status == RTNORM ? std::optional<double>(answer.real) : std::nullopt;
}

std::optional<TypedFile> promptFileName(Host& host, const wchar_t* prompt) {
    const PromptResult answer = host.promptString(true, prompt);
    if (answer.status != RTNORM || answer.text.empty()) return std::nullopt;
    return TypedFile{answer.text, host.drives().toHost(answer.text).value_or(std::filesystem::path(answer.text))};
}

}  // namespace vexa::sim
