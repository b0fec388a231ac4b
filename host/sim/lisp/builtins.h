#pragma once

namespace vexa::sim::lisp {

class Interpreter;

// Each installs one family of AutoLISP built-in functions.
void registerControlBuiltins(Interpreter& interpreter);
void registerPredicateBuiltins(Interpreter& interpreter);
void registerListBuiltins(Interpreter& interpreter);
void registerMathBuiltins(Interpreter& interpreter);
void registerStringBuiltins(Interpreter& interpreter);
void registerOutputBuiltins(Interpreter& interpreter);
void registerLoadBuiltin(Interpreter& interpreter);

}  // namespace vexa::sim::lisp
