// The AutoLISP values the host can hand a plug-in, made at random, written as argument
// expressions, and made simpler when a call that fails is shrunk.
#pragma once

#include <random>
#include <string>
#include <vector>

namespace vexa::fuzz {

// An atom's AutoLISP text, or a list (a dotted pair when dotted; then it holds two items).
struct Value {
    std::wstring atom;
    std::vector<Value> items;
    bool list = false;
    bool dotted = false;
};

// Variables the driver sets before each call, for values AutoLISP text cannot write.
inline constexpr const wchar_t* kLiveEntity = L"*fuzz-entity*";
inline constexpr const wchar_t* kDeletedEntity = L"*fuzz-deleted*";
inline constexpr const wchar_t* kNotANumber = L"*fuzz-nan*";
inline constexpr const wchar_t* kInfinity = L"*fuzz-inf*";

class ValueMaker {
public:
    explicit ValueMaker(std::mt19937_64& random) : random_(random) {}
    // An argument list for one call.
    std::vector<Value> arguments();
    // One value; depth bounds how far lists nest.
    Value value(int depth);

private:
    Value atom();
    Value integer();
    Value real();
    Value string();
    Value list(int depth);
    Value deepNesting();
    int below(int bound) { return std::uniform_int_distribution<int>(0, bound - 1)(random_); }
    bool chance(double p) { return std::bernoulli_distribution(p)(random_); }

    std::mt19937_64& random_;
};

// The argument as an expression the evaluator turns into that value (lists through list and cons,
// so the variables inside them are read; lists of plain data quoted).
std::wstring expression(const Value& value);
// The whole call as AutoLISP text.
std::wstring callText(const std::wstring& function, const std::vector<Value>& arguments);
// Argument lists one step simpler than the given one, the simplest first.
std::vector<std::vector<Value>> simplerLists(const std::vector<Value>& arguments);

}  // namespace vexa::fuzz
