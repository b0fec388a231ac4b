#include "fuzz/hostile_product.h"

#include "fuzz/lisp_values.h"

namespace vexa::fuzz {

namespace {

struct CallBack {
    const wchar_t* name;
    const wchar_t* parameters;
};

constexpr CallBack callBacks[] = {
    {L"C:Vexa-Layer-SN", L""},       {L"C:Vexa-Layer-SN-W", L"a b"}, {L"C:Vexa-Layer-NEW", L"a"},
    {L"C:Vexa-Layer-NEW-W", L"a"},   {L"C:Vexa-Layer-EDIT", L"a"},   {L"C:Vexa-Layer-EDIT-W", L"a"},
    {L"C:Vexa-Layer-Purge", L""},    {L"C:Vexa-FlashColor", L"a"},   {L"C:Vexa-OrdoEnvSetup", L"a b"},
    {L"C:Vexa_CalPScale", L"a b c d"}, {L"C:Vexa_RemoveVHelpVlr", L""}, {L"C:Vexa_2DPto3DP", L""},
    {kCallerNamedFunction, L"a"},
};

}  // namespace

void defineHostileProduct(sim::Host& host) {
    // The symbol fuzz-error in line makes the call-back fail inside AutoLISP.
    host.evaluate(
        L"(defun fuzz-answer () (if *fuzz-answers* (progn (setq *fuzz-next* (car *fuzz-answers*))"
        L" (setq *fuzz-answers* (cdr *fuzz-answers*)) (if (eq *fuzz-next* 'fuzz-error) (car 5) *fuzz-next*))))");
    for (const CallBack& callBack : callBacks) {
        host.evaluate(L"(defun " + std::wstring(callBack.name) + L" (" + callBack.parameters + L") (fuzz-answer))");
    }
    host.evaluate(L"(entmake '((0 . \"LINE\") (8 . \"0\") (10 0.0 0.0 0.0) (11 10.0 10.0 0.0)))");
    host.evaluate(std::wstring(L"(setq ") + kLiveEntity + L" (entlast))");
    host.evaluate(L"(entmake '((0 . \"CIRCLE\") (8 . \"0\") (10 5.0 5.0 0.0) (40 . 2.0)))");
    host.evaluate(std::wstring(L"(setq ") + kDeletedEntity + L" (entlast))");
    host.evaluate(std::wstring(L"(entdel ") + kDeletedEntity + L")");
    host.evaluate(L"(setq fuzz-error (quote fuzz-error))");
    host.evaluate(std::wstring(L"(setq ") + kInfinity + L" 1e400 " + kNotANumber + L" (- 1e400 1e400))");
}

void lineUpAnswers(sim::Host& host, const std::wstring& answersExpression) {
    host.evaluate(L"(setq *fuzz-answers* " + answersExpression + L")");
}

}  // namespace vexa::fuzz
