// AutoLISP functions the host itself provides in every drawing: system variables, commands, prompts.
#include <cmath>

#include "db/lisp_dictionary_functions.h"
#include "db/lisp_table_functions.h"
#include "lisp/arguments.h"
#include "lisp/printer.h"
#include "sim/commands/lisp_input_functions.h"
#include "sim/host.h"

namespace vexa::sim {

namespace {

using lisp::Args;
using lisp::ValueKind;
using lisp::ValuePtr;

ValuePtr valueOfVariable(const VariableValue& value) {
    if (const int* number = std::get_if<int>(&value)) return lisp::makeInteger(*number);
    if (const double* real = std::get_if<double>(&value)) return lisp::makeReal(*real);
    return lisp::makeString(std::get<std::wstring>(value));
}

// How a (command ...) argument reaches the prompt: as the user would type it.
PromptAnswer typedForm(const ValuePtr& value) {
    if (!value) return PromptAnswer::enter();
    if (value->is(ValueKind::String)) {
        return value->string().empty() ? PromptAnswer::enter() : PromptAnswer::typed(value->string());
    }
    if (value->is(ValueKind::Cons)) {
        std::wstring text;
        for (ValuePtr rest = value; rest && rest->is(ValueKind::Cons); rest = rest->cons().cdr) {
            if (!text.empty()) text += L',';
            text += lisp::print(rest->cons().car, false);
        }
        return PromptAnswer::typed(text);
    }
    return PromptAnswer::typed(lisp::print(value, false));
}

}  // namespace

void Host::defineHostFunctions(Document& document) {
    lisp::Interpreter& lisp = document.lisp();
    db::defineTableFunctions(lisp, document.database(), sysvars_);
    db::defineDictionaryFunctions(lisp, document.database());
    defineInputFunctions(lisp, *this);
    defineFileFunctions(lisp, *this);
    lisp.defineExternal(L"getvar", [this](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 1, 1);
        const std::optional<VariableValue> value = variable(lisp::stringArg(args, 0));
        return value ? valueOfVariable(*value) : nullptr;
    });
    lisp.defineExternal(L"setvar", [this](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 2, 2);
        const std::wstring& name = lisp::stringArg(args, 0);
        const ValuePtr& value = args[1];
        VariableValue converted;
        if (value && value->is(ValueKind::Integer)) converted = static_cast<int>(value->integer());
        else if (value && value->is(ValueKind::Real)) converted = value->real();
        else if (value && value->is(ValueKind::String)) converted = value->string();
        else lisp::throwBadArgumentType(L"numberp", value);
        if (!sysvars_.get(name)) throw lisp::LispError(L"AutoCAD variable setting rejected: " + lisp::print(args[0], true));
        // Whole reals are accepted by integer variables, as the host does.
        const std::optional<VariableValue> current = sysvars_.get(name);
        if (std::holds_alternative<int>(*current) && std::holds_alternative<double>(converted)) {
            const double real = std::get<double>(converted);
            if (std::trunc(real) == real && std::abs(real) < 1e9) converted = static_cast<int>(real);
        }
        if (std::holds_alternative<double>(*current) && std::holds_alternative<int>(converted)) {
            converted = static_cast<double>(std::get<int>(converted));
        }
        if (!sysvars_.set(name, converted)) {
            throw lisp::LispError(L"AutoCAD variable setting rejected: " + lisp::print(args[0], true) + L" " +
                                  lisp::print(value, true));
        }
        return value;
    });
    lisp.defineExternal(L"command", [this](const Args& args) -> ValuePtr {
        if (args.empty()) return nullptr;
        if (!args[0] || !args[0]->is(ValueKind::String)) lisp::throwBadArgumentType(L"stringp", args[0]);
        std::vector<PromptAnswer> inputs;
        for (std::size_t i = 1; i < args.size(); ++i) inputs.push_back(typedForm(args[i]));
        runScriptedCommand(args[0]->string(), inputs);
        return nullptr;
    });
    lisp.defineExternal(L"getstring", [this](const Args& args) -> ValuePtr {
        lisp::requireArgCount(args, 0, 2);
        bool spaces = false;
        std::wstring prompt;
        std::size_t promptIndex = 0;
        if (args.size() == 2 || (args.size() == 1 && !(args[0] && args[0]->is(ValueKind::String)))) {
            spaces = args[0] != nullptr;
            promptIndex = 1;
        }
        if (promptIndex < args.size()) prompt = lisp::stringArg(args, promptIndex);
        const PromptResult result = promptString(spaces, prompt.c_str());
        if (result.status != RTNORM) throw lisp::LispError(L"Function cancelled");
        return lisp::makeString(result.text);
    });
}

}  // namespace vexa::sim
