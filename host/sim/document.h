// One open drawing: its file name and its own AutoLISP environment.
#pragma once

#include <string>

#include "acad/acdocman.h"
#include "db/database.h"
#include "lisp/interpreter.h"
#include "monitors/input_point_manager.h"

namespace vexa::sim {

class Document : public AcApDocument {
public:
    explicit Document(std::wstring fileName) : fileName_(std::move(fileName)), inputPoints_(fileName_) {}
    const ACHAR* fileName() const override { return fileName_.c_str(); }
    AcEdInputPointManager* inputPointManager() override { return &inputPoints_; }
    monitors::InputPointManager& inputPoints() { return inputPoints_; }
    lisp::Interpreter& lisp() { return lisp_; }
    db::Database& database() { return database_; }

private:
    std::wstring fileName_;
    monitors::InputPointManager inputPoints_;
    lisp::Interpreter lisp_;
    db::Database database_;
};

}  // namespace vexa::sim
