#include "dxf/dxf_file.h"

#include <charconv>

#include "dxf/dxf_error.h"

namespace vexa::sim::dxf {

namespace {

bool isMarker(const Group& group, std::string_view word) { return group.code == 0 && group.value == word; }

}  // namespace

Section* DxfFile::find(std::string_view name) {
    for (Section& section : sections) {
        if (section.name == name) return &section;
    }
    return nullptr;
}

const Section* DxfFile::find(std::string_view name) const { return const_cast<DxfFile*>(this)->find(name); }

DxfFile parseFile(std::vector<Group> groups) {
    DxfFile file;
    std::size_t i = 0;
    const std::size_t count = groups.size();
    const std::size_t lastLine = count == 0 ? 1 : groups.back().line + 1;
    while (i < count && groups[i].code == 999) ++i;  // comments before the first section
    while (i < count && !isMarker(groups[i], "EOF")) {
        if (!isMarker(groups[i], "SECTION")) {
            throw DxfError(groups[i].line, "\"0 SECTION\" was expected, found group " + std::to_string(groups[i].code) +
                                               " \"" + groups[i].value.substr(0, 40) + "\"");
        }
        const std::uint32_t start = groups[i].line;
        if (++i == count || groups[i].code != 2) throw DxfError(start, "a section without its name");
        Section section{groups[i].value, start, {}};
        const int recordCode = section.name == "HEADER" ? 9 : 0;
        ++i;
        while (i < count && !isMarker(groups[i], "ENDSEC")) {
            if (isMarker(groups[i], "SECTION") || isMarker(groups[i], "EOF")) {
                throw DxfError(groups[i].line, "section " + section.name + " has no ENDSEC");
            }
            if (groups[i].code == recordCode || section.records.empty()) section.records.emplace_back();
            section.records.back().push_back(std::move(groups[i]));
            ++i;
        }
        if (i == count) throw DxfError(lastLine, "the file ends inside section " + section.name + " (no ENDSEC)");
        ++i;
        file.sections.push_back(std::move(section));
    }
    if (i == count) throw DxfError(lastLine, "the file ends without EOF (truncated?)");
    return file;
}

void appendGroup(std::string& out, int code, std::string_view value) {
    char digits[16];
    const auto end = std::to_chars(digits, digits + sizeof digits, code).ptr;
    const auto width = static_cast<std::size_t>(end - digits);
    if (width < 3) out.append(3 - width, ' ');
    out.append(digits, end);
    out += '\n';
    out += value;
    out += '\n';
}

void appendRecord(std::string& out, const Record& record) {
    for (const Group& group : record) appendGroup(out, group.code, group.value);
}

std::string writeFile(const DxfFile& file) {
    std::string out;
    for (const Section& section : file.sections) {
        appendGroup(out, 0, "SECTION");
        appendGroup(out, 2, section.name);
        for (const Record& record : section.records) appendRecord(out, record);
        appendGroup(out, 0, "ENDSEC");
    }
    appendGroup(out, 0, "EOF");
    return out;
}

}  // namespace vexa::sim::dxf
