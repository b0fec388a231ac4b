// AutoLISP's initget, getpoint, getdist, getint, getreal and getkword, on the host's prompts.
#pragma once

namespace vexa::sim {

class Host;
namespace lisp {
class Interpreter;
}

void defineInputFunctions(lisp::Interpreter& lisp, Host& host);

}  // namespace vexa::sim
