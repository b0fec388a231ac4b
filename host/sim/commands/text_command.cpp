// TEXT: a single-line text from its start point, height (TEXTSIZE by default, and remembered),
// rotation angle and the text itself.
#include <cwchar>

#include "sim/commands/current_space.h"
#include "sim/commands/host_commands.h"
#include "sim/commands/prompts.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

double realVariable(const Host& host, const wchar_t* name, double fallback) {
    const std::optional<VariableValue> value = host.variable(name);
    return value && std::holds_alternative<double>(*value) ? std::get<double>(*value) : fallback;
}

// As the host shows lengths: LUPREC decimals.
std::wstring length(const Host& host, double value) {
    const std::optional<VariableValue> precision = host.variable(L"LUPREC");
    const int decimals = precision && std::holds_alternative<int>(*precision) ? std::get<int>(*precision) : 4;
    wchar_t text[64];
    std::swprintf(text, 64, L"%.*f", decimals, value);
    return text;
}

}  // namespace

void textCommand() {
    Host& host = *Host::current();
    double height = realVariable(host, L"TEXTSIZE", 2.5);
    const std::optional<VariableValue> style = host.variable(L"TEXTSTYLE");
    host.commandLine().print(L"Current text style:  \"" + (style ? std::get<std::wstring>(*style) : std::wstring()) +
                             L"\"  Text height:  " + length(host, height) + L"\n");
    const std::optional<db::Point3> start = promptPoint(host, L"Specify start point of text: ");
    if (!start) return;
    const std::wstring heightPrompt = L"Specify height <" + length(host, height) + L">: ";
    const InputAnswer typedHeight = readInput(host, {InputRequest::Kind::Distance, heightPrompt.c_str(), start, {kNoZero | kNoNegative, {}}});
    if (typedHeight.status == RTCAN) return;
    if (typedHeight.status == RTNORM) height = typedHeight.real;
    const InputAnswer angle = readInput(host, {InputRequest::Kind::Angle, L"Specify rotation angle of text <0>: ", start});
    if (angle.status == RTCAN) return;
    const PromptResult text = host.promptString(true, L"Enter text: ");
    if (text.status != RTNORM || text.text.empty()) return;
    addToCurrentSpace(host, db::TextGeometry{*start, height, angle.status == RTNORM ? angle.real : 0.0, text.text});
    host.sysvars().set(L"TEXTSIZE", height);
}

}  // namespace vexa::sim
