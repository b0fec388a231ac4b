#include "sim/win/user32/resources.h"

#include <algorithm>
#include <cwctype>
#include <stdexcept>

namespace vexa::sim::win {

namespace {

// A forward reader over little-endian resource bytes that fails loudly at the end.
class Reader {
public:
    explicit Reader(std::span<const std::uint8_t> bytes) : bytes_(bytes) {}

    std::size_t offset() const { return offset_; }
    void seek(std::size_t offset) {
        if (offset > bytes_.size()) throw std::runtime_error("resource data ends early");
        offset_ = offset;
    }
    void alignDword() { seek(std::min(bytes_.size(), (offset_ + 3) & ~std::size_t{3})); }
    bool atEnd() const { return offset_ >= bytes_.size(); }

    std::uint8_t byte() {
        need(1);
        return bytes_[offset_++];
    }
    WORD word() {
        need(2);
        const WORD value = static_cast<WORD>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
        offset_ += 2;
        return value;
    }
    DWORD dword() {
        const DWORD low = word();
        return low | (static_cast<DWORD>(word()) << 16);
    }
    short shortValue() { return static_cast<short>(word()); }

    // A zero-terminated UTF-16 string.
    std::wstring string() {
        const std::size_t start = offset_;
        std::size_t count = 0;
        while (word() != 0) ++count;
        return decodeUtf16(bytes_.data() + start, count);
    }
    // sz_Or_Ord: 0x0000 none, 0xFFFF followed by an ordinal, else a string.
    ResourceId id() {
        need(2);
        const WORD first = static_cast<WORD>(bytes_[offset_] | (bytes_[offset_ + 1] << 8));
        if (first == 0xFFFF) {
            word();
            return ResourceId::of(word());
        }
        if (first == 0) {
            word();
            return ResourceId::of(std::wstring{});
        }
        return ResourceId::of(string());
    }
    std::span<const std::uint8_t> take(std::size_t count) {
        need(count);
        auto part = bytes_.subspan(offset_, count);
        offset_ += count;
        return part;
    }

private:
    void need(std::size_t count) const {
        if (offset_ + count > bytes_.size()) throw std::runtime_error("resource data ends early");
    }
    std::span<const std::uint8_t> bytes_;
    std::size_t offset_ = 0;
};

}  // namespace

bool ResourceId::operator==(const ResourceId& other) const {
    if (isOrdinal != other.isOrdinal) return false;
    if (isOrdinal) return ordinal == other.ordinal;
    if (name.size() != other.name.size()) return false;
    // Resource names compare without regard to case, as FindResource does.
    for (std::size_t i = 0; i < name.size(); ++i) {
        if (std::towupper(name[i]) != std::towupper(other.name[i])) return false;
    }
    return true;
}

std::wstring ResourceId::describe() const { return isOrdinal ? std::to_wstring(ordinal) : L"\"" + name + L"\""; }

std::wstring decodeUtf16(const std::uint8_t* units, std::size_t count) {
    std::wstring out;
    out.reserve(count);
    auto unit = [&](std::size_t i) { return static_cast<char32_t>(units[2 * i] | (units[2 * i + 1] << 8)); };
    for (std::size_t i = 0; i < count; ++i) {
        const char32_t high = unit(i);
        if (high >= 0xD800 && high < 0xDC00 && i + 1 < count) {
            const char32_t low = unit(i + 1);
            if (low >= 0xDC00 && low < 0xE000) {
                out += static_cast<wchar_t>(0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00));
                ++i;
                continue;
            }
        }
        out += static_cast<wchar_t>(high);
    }
    return out;
}

std::vector<ResourceEntry> readResourceFile(std::span<const std::uint8_t> bytes) {
    std::vector<ResourceEntry> entries;
    Reader reader(bytes);
    while (!reader.atEnd()) {
        const std::size_t start = reader.offset();
        if (bytes.size() - start < 8) break;
        const DWORD dataSize = reader.dword();
        const DWORD headerSize = reader.dword();
        ResourceEntry entry;
        entry.type = reader.id();
        entry.name = reader.id();
        reader.alignDword();
        reader.dword();  // DataVersion
        reader.word();   // MemoryFlags
        entry.language = reader.word();
        reader.seek(start + headerSize);
        entry.data = reader.take(dataSize);
        reader.alignDword();
        // The file opens with an empty record (type 0) that marks it as a 32-bit resource file.
        if (!(entry.type.isOrdinal && entry.type.ordinal == 0 && dataSize == 0)) entries.push_back(std::move(entry));
    }
    return entries;
}

std::wstring DialogItemTemplate::className() const {
    if (!windowClass.isOrdinal) return windowClass.name;
    switch (windowClass.ordinal) {
        case 0x80: return L"Button";
        case 0x81: return L"Edit";
        case 0x82: return L"Static";
        case 0x83: return L"ListBox";
        case 0x84: return L"ScrollBar";
        case 0x85: return L"ComboBox";
        default: return L"#" + std::to_wstring(windowClass.ordinal);
    }
}

DialogTemplate readDialogTemplate(std::span<const std::uint8_t> bytes) {
    Reader reader(bytes);
    DialogTemplate dialog;
    const WORD first = reader.word();
    const WORD second = reader.word();
    dialog.extended = first == 1 && second == 0xFFFF;
    if (dialog.extended) {
        dialog.helpId = reader.dword();
        dialog.exStyle = reader.dword();
        dialog.style = reader.dword();
    } else {
        dialog.style = first | (static_cast<DWORD>(second) << 16);
        dialog.exStyle = reader.dword();
    }
    const WORD count = reader.word();
    dialog.x = reader.shortValue();
    dialog.y = reader.shortValue();
    dialog.cx = reader.shortValue();
    dialog.cy = reader.shortValue();
    dialog.menu = reader.id();
    dialog.windowClass = reader.id();
    dialog.title = reader.string();
    constexpr DWORD setFont = 0x40;  // DS_SETFONT (DS_SHELLFONT includes it)
    if (dialog.style & setFont) {
        dialog.pointSize = reader.word();
        if (dialog.extended) {
            dialog.weight = reader.word();
            dialog.italic = reader.byte() != 0;
            reader.byte();  // charset
        }
        dialog.typeface = reader.string();
    }
    for (WORD i = 0; i < count; ++i) {
        reader.alignDword();
        DialogItemTemplate item;
        if (dialog.extended) {
            item.helpId = reader.dword();
            item.exStyle = reader.dword();
            item.style = reader.dword();
        } else {
            item.style = reader.dword();
            item.exStyle = reader.dword();
        }
        item.x = reader.shortValue();
        item.y = reader.shortValue();
        item.cx = reader.shortValue();
        item.cy = reader.shortValue();
        // The plain template holds a 16-bit id; -1 (IDC_STATIC) stays -1 either way.
        item.id = dialog.extended ? reader.dword() : static_cast<DWORD>(static_cast<int>(reader.shortValue()));
        item.windowClass = reader.id();
        item.title = reader.id();
        const WORD extra = reader.word();
        if (extra > 0) {
            auto data = reader.take(extra);
            item.creationData.assign(data.begin(), data.end());
        }
        dialog.items.push_back(std::move(item));
    }
    return dialog;
}

void ResourceLibrary::registerModule(HINSTANCE instance, std::span<const std::uint8_t> bytes) {
    registered_[instance] = bytes;
    indexes_.erase(instance);
}

void ResourceLibrary::unregisterModule(HINSTANCE instance) {
    registered_.erase(instance);
    indexes_.erase(instance);
    std::erase_if(stableStrings_, [&](const auto& entry) { return entry.first.first == instance; });
}

const wchar_t* ResourceLibrary::stableString(HINSTANCE instance, UINT id) {
    const auto key = std::make_pair(instance, id);
    if (auto it = stableStrings_.find(key); it != stableStrings_.end()) return it->second.c_str();
    auto text = string(instance, id);
    if (!text) return nullptr;
    return stableStrings_.emplace(key, std::move(*text)).first->second.c_str();
}

bool ResourceLibrary::hasModule(HINSTANCE instance) { return index(instance) != nullptr; }

const ResourceLibrary::Index* ResourceLibrary::index(HINSTANCE instance) {
    if (instance == nullptr) return nullptr;
    std::span<const std::uint8_t> bytes;
    if (auto it = registered_.find(instance); it != registered_.end()) bytes = it->second;
    else if (lookup_) bytes = lookup_(instance);
    if (bytes.empty()) return nullptr;
    Index& index = indexes_[instance];
    // A module unloaded and another loaded under the same handle is read again.
    if (index.data != bytes.data() || index.size != bytes.size()) {
        index.entries = readResourceFile(bytes);
        index.data = bytes.data();
        index.size = bytes.size();
    }
    return &index;
}

std::optional<std::span<const std::uint8_t>> ResourceLibrary::find(HINSTANCE instance, const ResourceId& type,
                                                                   const ResourceId& name) {
    const Index* found = index(instance);
    if (found == nullptr) return std::nullopt;
    for (const ResourceEntry& entry : found->entries) {
        if (entry.type == type && entry.name == name) return entry.data;
    }
    return std::nullopt;
}

std::optional<DialogTemplate> ResourceLibrary::dialog(HINSTANCE instance, const ResourceId& name) {
    auto bytes = find(instance, ResourceId::of(RT_DIALOG_ID), name);
    if (!bytes) return std::nullopt;
    return readDialogTemplate(*bytes);
}

std::optional<std::wstring> ResourceLibrary::string(HINSTANCE instance, UINT id) {
    // Strings live in blocks of 16: block (id / 16) + 1, each string a length and UTF-16 units.
    auto bytes = find(instance, ResourceId::of(RT_STRING_ID), ResourceId::of(static_cast<WORD>((id >> 4) + 1)));
    if (!bytes) return std::nullopt;
    Reader reader(*bytes);
    for (UINT slot = 0; slot < 16 && !reader.atEnd(); ++slot) {
        const WORD length = reader.word();
        auto units = reader.take(std::size_t{length} * 2);
        if (slot == (id & 15)) {
            if (length == 0) return std::nullopt;
            return decodeUtf16(units.data(), length);
        }
    }
    return std::nullopt;
}

}  // namespace vexa::sim::win
