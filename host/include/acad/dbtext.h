// Text entities of the database: text, multiline text, attribute definitions, block references
// and their attributes. An object opened for write is written back at close.
#pragma once

#include <string>

#include "acad/dbmain.h"

class AcDbText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbText)
    AcDbText() = default;
    AcDbText(const AcGePoint3d& position, const ACHAR* text, double height = 2.5, double rotation = 0.0)
        : position_(position), text_(text != nullptr ? text : L""), height_(height), rotation_(rotation) {}
    const ACHAR* textString() const { return text_.c_str(); }
    AcGePoint3d position() const { return position_; }
    double height() const { return height_; }
    // Positive and finite, else eInvalidInput.
    Acad::ErrorStatus setHeight(double height);
    // Radians, counter-clockwise from the X axis.
    double rotation() const { return rotation_; }

private:
    AcGePoint3d position_;
    std::wstring text_;
    double height_ = 2.5;
    double rotation_ = 0.0;
};

// A tagged field of a block definition; its text is the default value.
class AcDbAttributeDefinition : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition)
    AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, const ACHAR* prompt,
                            double height = 2.5, double rotation = 0.0)
        : AcDbText(position, text, height, rotation), tag_(tag != nullptr ? tag : L""),
          prompt_(prompt != nullptr ? prompt : L"") {}
    const ACHAR* tag() const { return tag_.c_str(); }
    const ACHAR* prompt() const { return prompt_.c_str(); }

private:
    std::wstring tag_;
    std::wstring prompt_;
};

// A block reference's value of one attribute.
class AcDbAttribute : public AcDbText {
public:
    ACRX_DECLARE_MEMBERS(AcDbAttribute)
    AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag, double height = 2.5,
                  double rotation = 0.0)
        : AcDbText(position, text, height, rotation), tag_(tag != nullptr ? tag : L"") {}
    const ACHAR* tag() const { return tag_.c_str(); }

private:
    std::wstring tag_;
};

class AcDbMText : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbMText)
    AcDbMText() = default;
    AcDbMText(const AcGePoint3d& location, const ACHAR* contents, double textHeight = 2.5, double width = 0.0)
        : location_(location), contents_(contents != nullptr ? contents : L""), textHeight_(textHeight),
          width_(width) {}
    const ACHAR* contents() const { return contents_.c_str(); }
    AcGePoint3d location() const { return location_; }
    double textHeight() const { return textHeight_; }
    // Positive and finite, else eInvalidInput.
    Acad::ErrorStatus setTextHeight(double height);
    // The wrapping width; 0: no wrapping.
    double width() const { return width_; }

private:
    AcGePoint3d location_;
    std::wstring contents_;
    double textHeight_ = 2.5;
    double width_ = 0.0;
};

class AcDbBlockReference : public AcDbEntity {
public:
    ACRX_DECLARE_MEMBERS(AcDbBlockReference)
    AcDbBlockReference(const AcGePoint3d& position, const ACHAR* blockName)
        : position_(position), block_(blockName != nullptr ? blockName : L"") {}
    AcGePoint3d position() const { return position_; }
    const ACHAR* blockName() const { return block_.c_str(); }

private:
    AcGePoint3d position_;
    std::wstring block_;
};
