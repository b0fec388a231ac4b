// Text entities of the database: text, multiline text, attribute definitions, block references
// and their attributes. Opened objects are read-only copies here: the plug-ins only read them.
#pragma once

#include <string>

#include "acad/dbmain.h"

class AcDbText : public AcDbEntity {
public:
    AcDbText() = default;
    AcDbText(const AcGePoint3d& position, const ACHAR* text, double height = 2.5)
        : position_(position), text_(text != nullptr ? text : L""), height_(height) {}
    const ACHAR* textString() const { return text_.c_str(); }
    AcGePoint3d position() const { return position_; }
    double height() const { return height_; }

private:
    AcGePoint3d position_;
    std::wstring text_;
    double height_ = 2.5;
};

// A tagged field of a block definition; its text is the default value.
class AcDbAttributeDefinition : public AcDbText {
public:
    AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, const ACHAR* prompt,
                            double height = 2.5)
        : AcDbText(position, text, height), tag_(tag != nullptr ? tag : L""), prompt_(prompt != nullptr ? prompt : L"") {}
    const ACHAR* tag() const { return tag_.c_str(); }
    const ACHAR* prompt() const { return prompt_.c_str(); }

private:
    std::wstring tag_;
    std::wstring prompt_;
};

// A block reference's value of one attribute.
class AcDbAttribute : public AcDbText {
public:
    AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, double height = 2.5)
        : AcDbText(position, text, height), tag_(tag != nullptr ? tag : L"") {}
    const ACHAR* tag() const { return tag_.c_str(); }

private:
    std::wstring tag_;
};

class AcDbMText : public AcDbEntity {
public:
    AcDbMText() = default;
    AcDbMText(const AcGePoint3d& location, const ACHAR* contents)
        : location_(location), contents_(contents != nullptr ? contents : L"") {}
    const ACHAR* contents() const { return contents_.c_str(); }
    AcGePoint3d location() const { return location_; }

private:
    AcGePoint3d location_;
    std::wstring contents_;
};

class AcDbBlockReference : public AcDbEntity {
public:
    AcDbBlockReference(const AcGePoint3d& position, const ACHAR* blockName)
        : position_(position), block_(blockName != nullptr ? blockName : L"") {}
    AcGePoint3d position() const { return position_; }
    const ACHAR* blockName() const { return block_.c_str(); }

private:
    AcGePoint3d position_;
    std::wstring block_;
};
