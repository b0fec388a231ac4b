// One open drawing: its file name and its own AutoLISP environment.
#pragma once

#include <memory>
#include <string>

#include "acad/acdocman.h"
#include "db/database.h"
#include "dxf/source_drawing.h"
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
    // What the DXF file the drawing was opened from holds beyond the database; null for a new one.
    dxf::SourceDrawing* dxfSource() { return dxfSource_.get(); }
    void setDxfSource(std::unique_ptr<dxf::SourceDrawing> source) { dxfSource_ = std::move(source); }

private:
    std::wstring fileName_;
    monitors::InputPointManager inputPoints_;
    lisp::Interpreter lisp_;
    db::Database database_;
    std::unique_ptr<dxf::SourceDrawing> dxfSource_;
};

}  // namespace vexa::sim
