// Database handles: a drawing-unique 64-bit number, written as upper-case hexadecimal.
#pragma once

#include <cstddef>
#include <cstdint>

#include "acad/adscodes.h"

class AcDbHandle {
public:
    AcDbHandle() = default;
    explicit AcDbHandle(std::uint64_t value) : value_(value) {}
    AcDbHandle(std::uint32_t low, std::uint32_t high) : value_((static_cast<std::uint64_t>(high) << 32) | low) {}

    bool isNull() const { return value_ == 0; }
    std::uint32_t low() const { return static_cast<std::uint32_t>(value_); }
    std::uint32_t high() const { return static_cast<std::uint32_t>(value_ >> 32); }
    // Upper-case hexadecimal without leading zeros ("2F", "1000000A"); false when the buffer is short.
    bool getIntoAsciiBuffer(ACHAR* buffer, std::size_t size) const;
    bool operator==(const AcDbHandle&) const = default;

private:
    std::uint64_t value_ = 0;
};
