// A DXF file as its sections of records, in file order; nothing in it is interpreted here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "dxf/groups.h"

namespace vexa::sim::dxf {

// The records between "0 SECTION / 2 NAME" and "0 ENDSEC". The header's records are its
// variables (a 9 group and its values); every other section's begin with a 0 group.
struct Section {
    std::string name;
    std::uint32_t line = 0;
    std::vector<Record> records;
};

struct DxfFile {
    std::vector<Section> sections;

    Section* find(std::string_view name);
    const Section* find(std::string_view name) const;
};

// Throws DxfError for a file that ends inside a section or misses its EOF, and for groups
// outside any section.
DxfFile parseFile(std::vector<Group> groups);

// The file as text, sections in order, "EOF" at the end.
std::string writeFile(const DxfFile& file);

// Appends groups as the format writes them: the code right-aligned in three columns, then the value.
void appendGroup(std::string& out, int code, std::string_view value);
void appendRecord(std::string& out, const Record& record);

}  // namespace vexa::sim::dxf
