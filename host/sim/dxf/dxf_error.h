// A DXF file that cannot be read: the message names the line where reading stopped.
#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>

namespace vexa::sim::dxf {

class DxfError : public std::runtime_error {
public:
    DxfError(std::size_t line, const std::string& what)
        : std::runtime_error("line " + std::to_string(line) + ": " + what), line_(line) {}
    std::size_t line() const { return line_; }

private:
    std::size_t line_;
};

}  // namespace vexa::sim::dxf
