#include "dxf/record_patch.h"

#include <algorithm>
#include <map>

namespace vexa::sim::dxf {

namespace {

// Type, handle, subclass markers, owner: the same in both, and not always as many.
bool isStructural(int code) { return code == 0 || code == 5 || code == 100 || code == 102 || code == 330; }

}  // namespace

std::uint64_t fingerprint(const Record& record) {
    std::uint64_t hash = 14695981039346656037ull;
    const auto mix = [&hash](unsigned char byte) { hash = (hash ^ byte) * 1099511628211ull; };
    for (const Group& group : record) {
        for (int shift = 0; shift < 32; shift += 8) mix(static_cast<unsigned char>(group.code >> shift));
        for (char c : group.value) mix(static_cast<unsigned char>(c));
        mix(0);
    }
    return hash;
}

std::optional<Record> patchRecord(const Record& original, const Record& written, std::initializer_list<int> alsoOwned) {
    std::map<int, std::vector<const Group*>> values;
    for (const Group& group : written) {
        if (!isStructural(group.code)) values[group.code].push_back(&group);
    }
    for (int code : alsoOwned) values.try_emplace(code);
    std::map<int, std::size_t> seen;
    for (const Group& group : original) {
        if (values.contains(group.code)) ++seen[group.code];
    }
    for (const auto& [code, list] : values) {
        if (seen[code] != list.size()) return std::nullopt;
    }
    Record patched = original;
    std::map<int, std::size_t> next;
    for (Group& group : patched) {
        const auto it = values.find(group.code);
        if (it != values.end()) group.value = it->second[next[group.code]++]->value;
    }
    return patched;
}

Record extendedData(const Record& record) {
    const auto first = std::find_if(record.begin(), record.end(), [](const Group& g) { return g.code >= 1000; });
    return Record(first, record.end());
}

}  // namespace vexa::sim::dxf
