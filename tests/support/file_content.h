// The bytes of a file as one string (empty when it cannot be read).
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace vexa::test {

inline std::string fileContent(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream read;
    read << in.rdbuf();
    return read.str();
}

}  // namespace vexa::test
