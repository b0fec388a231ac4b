// The root of the host's runtime classes: copies and checked casts of database objects.
#pragma once

class AcRxObject {
public:
    virtual ~AcRxObject() = default;
    // A new copy of the object outside any database; null for a class that cannot be copied.
    virtual AcRxObject* clone() const { return nullptr; }
};

// The checked cast every runtime class has: null for an object of another class; as the
// host's, it drops const.
#define ACRX_DECLARE_CAST(CLASS_NAME)                                      \
    static CLASS_NAME* cast(const AcRxObject* object) {                     \
        return dynamic_cast<CLASS_NAME*>(const_cast<AcRxObject*>(object));  \
    }

// A concrete class: the cast and the copy.
#define ACRX_DECLARE_MEMBERS(CLASS_NAME) \
    ACRX_DECLARE_CAST(CLASS_NAME)        \
    AcRxObject* clone() const override { return new CLASS_NAME(*this); }
