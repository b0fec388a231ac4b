// DXF groups: a code and its value as the file spells it, so unknown data is written back as read.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vexa::sim::dxf {

struct Group {
    int code = 0;
    std::string value;
    std::uint32_t line = 0;  // the line of the code in the file read; 0 for groups made here
    friend bool operator==(const Group& a, const Group& b) { return a.code == b.code && a.value == b.value; }
};

// One object of the file: its groups from the 0 group that names it up to the next 0 group.
using Record = std::vector<Group>;

const Group* findGroup(const Record& record, int code);
std::string_view stringValue(const Record& record, int code, std::string_view fallback = {});
std::optional<double> realValue(const Group& group);
std::optional<long long> integerValue(const Group& group);
double realValue(const Record& record, int code, double fallback);
long long integerValue(const Record& record, int code, long long fallback);

// Numbers written so that reading them back gives the same double.
std::string formatReal(double value);

}  // namespace vexa::sim::dxf
