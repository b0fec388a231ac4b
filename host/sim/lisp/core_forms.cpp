#include "lisp/core_forms.h"

#include <unordered_map>
#include <vector>

#include "lisp/arguments.h"
#include "lisp/dynamic_binding.h"
#include "lisp/interpreter.h"

namespace vexa::sim::lisp {
namespace {

std::vector<ValuePtr> operandsOf(const ValuePtr& operands, std::size_t min, std::size_t max) {
    std::vector<ValuePtr> items = listToVector(operands);
    requireArgCount(items, min, max);
    return items;
}

const std::wstring& symbolOperand(const ValuePtr& v) {
    if (!isKind(v, ValueKind::Symbol)) {
        throwBadArgumentType(L"symbolp", v);
    }
    return v->symbolName();
}

ValuePtr evaluateSequence(Interpreter& lisp, const ValuePtr& forms) {
    ValuePtr result;
    for (const ValuePtr& form : listToVector(forms)) {
        result = lisp.evaluate(form);
    }
    return result;
}

ValuePtr quoteForm(Interpreter&, const ValuePtr& operands) { return operandsOf(operands, 1, 1)[0]; }

ValuePtr functionForm(Interpreter&, const ValuePtr& operands) {
    const ValuePtr target = operandsOf(operands, 1, 1)[0];
    if (isCons(target) && isSymbolNamed(target->cons().car, L"LAMBDA")) {
        return makeUserFunction(L"", target->cons().cdr);
    }
    return target;
}

ValuePtr lambdaForm(Interpreter&, const ValuePtr& operands) { return makeUserFunction(L"", operands); }

ValuePtr defunForm(Interpreter& lisp, const ValuePtr& operands) {
    const ValuePtr name = carOf(operands);
    const std::wstring& upperName = symbolOperand(name);
    lisp.setSymbolValue(upperName, makeUserFunction(upperName, cdrOf(operands)));
    return name;
}

ValuePtr setqForm(Interpreter& lisp, const ValuePtr& operands) {
    const std::vector<ValuePtr> items = listToVector(operands);
    if (items.empty() || items.size() % 2 != 0) {
        throwTooFewArguments();
    }
    ValuePtr value;
    for (std::size_t i = 0; i < items.size(); i += 2) {
        const std::wstring& name = symbolOperand(items[i]);
        value = lisp.evaluate(items[i + 1]);
        lisp.setSymbolValue(name, value);
    }
    return value;
}

ValuePtr prognForm(Interpreter& lisp, const ValuePtr& operands) { return evaluateSequence(lisp, operands); }

ValuePtr ifForm(Interpreter& lisp, const ValuePtr& operands) {
    const std::vector<ValuePtr> items = operandsOf(operands, 2, 3);
    if (lisp.evaluate(items[0])) {
        return lisp.evaluate(items[1]);
    }
    return items.size() == 3 ? lisp.evaluate(items[2]) : nullptr;
}

ValuePtr condForm(Interpreter& lisp, const ValuePtr& operands) {
    for (const ValuePtr& clause : listToVector(operands)) {
        if (!isCons(clause)) {
            throwBadArgumentType(L"consp", clause);
        }
        ValuePtr test = lisp.evaluate(clause->cons().car);
        if (test) {
            const ValuePtr& body = clause->cons().cdr;
            return body ? evaluateSequence(lisp, body) : test;
        }
    }
    return nullptr;
}

ValuePtr whileForm(Interpreter& lisp, const ValuePtr& operands) {
    const ValuePtr test = carOf(operands);
    const ValuePtr body = cdrOf(operands);
    ValuePtr result;
    while (lisp.evaluate(test)) {
        result = evaluateSequence(lisp, body);
    }
    return result;
}

ValuePtr repeatForm(Interpreter& lisp, const ValuePtr& operands) {
    if (!operands) {
        throwTooFewArguments();
    }
    const Args count{lisp.evaluate(carOf(operands))};
    const std::int32_t times = integerArg(count, 0);
    const ValuePtr body = cdrOf(operands);
    ValuePtr result;
    for (std::int32_t i = 0; i < times; ++i) {
        result = evaluateSequence(lisp, body);
    }
    return result;
}

ValuePtr foreachForm(Interpreter& lisp, const ValuePtr& operands) {
    const std::vector<ValuePtr> items = operandsOf(operands, 2, kAnyCount);
    const std::wstring& name = symbolOperand(items[0]);
    const std::vector<ValuePtr> elements = listToVector(lisp.evaluate(items[1]));
    DynamicBinding binding(lisp);
    binding.bind(name, nullptr);
    ValuePtr result;
    for (const ValuePtr& element : elements) {
        lisp.setSymbolValue(name, element);
        for (std::size_t i = 2; i < items.size(); ++i) {
            result = lisp.evaluate(items[i]);
        }
    }
    return result;
}

ValuePtr andForm(Interpreter& lisp, const ValuePtr& operands) {
    for (const ValuePtr& form : listToVector(operands)) {
        if (!lisp.evaluate(form)) {
            return nullptr;
        }
    }
    return trueValue();
}

ValuePtr orForm(Interpreter& lisp, const ValuePtr& operands) {
    for (const ValuePtr& form : listToVector(operands)) {
        if (lisp.evaluate(form)) {
            return trueValue();
        }
    }
    return nullptr;
}

}  // namespace

SpecialForm findSpecialForm(std::wstring_view upperName) {
    static const std::unordered_map<std::wstring_view, SpecialForm> forms{
        {L"QUOTE", quoteForm}, {L"FUNCTION", functionForm}, {L"LAMBDA", lambdaForm}, {L"DEFUN", defunForm},
        {L"SETQ", setqForm},   {L"PROGN", prognForm},       {L"IF", ifForm},         {L"COND", condForm},
        {L"WHILE", whileForm}, {L"REPEAT", repeatForm},     {L"FOREACH", foreachForm}, {L"AND", andForm},
        {L"OR", orForm},
    };
    const auto it = forms.find(upperName);
    return it == forms.end() ? nullptr : it->second;
}

ValuePtr makeUserFunction(std::wstring name, const ValuePtr& paramsAndBody) {
    if (!paramsAndBody) {
        throwTooFewArguments();
    }
    UserFunction function;
    function.name = std::move(name);
    bool inLocals = false;
    for (const ValuePtr& param : listToVector(carOf(paramsAndBody))) {
        const std::wstring& paramName = symbolOperand(param);
        if (paramName == L"/" && !inLocals) {
            inLocals = true;
        } else {
            (inLocals ? function.locals : function.params).push_back(paramName);
        }
    }
    function.body = cdrOf(paramsAndBody);
    listToVector(function.body);  // rejects a dotted body now rather than at each call
    return std::make_shared<Value>(std::move(function));
}

}  // namespace vexa::sim::lisp
