// One open drawing: its file name and its own AutoLISP environment.
#pragma once

#include <string>

#include "acad/acdocman.h"
#include "lisp/interpreter.h"

namespace vexa::sim {

class Document : public AcApDocument {
public:
    explicit Document(std::wstring fileName) : fileName_(std::move(fileName)) {}
    const ACHAR* fileName() const override { return fileName_.c_str(); }
    lisp::Interpreter& lisp() { return lisp_; }

private:
    std::wstring fileName_;
    lisp::Interpreter lisp_;
};

}  // namespace vexa::sim
