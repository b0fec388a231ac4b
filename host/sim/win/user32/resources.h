// Compiled resources (.res) as Windows reads them: the record index, dialog templates
// (DLGTEMPLATE and DLGTEMPLATEEX) and string tables, with UTF-16 texts decoded to wide strings.
#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "win/handles.h"

namespace vexa::sim::win {

constexpr WORD RT_BITMAP_ID = 2;
constexpr WORD RT_DIALOG_ID = 5;
constexpr WORD RT_STRING_ID = 6;

// A resource type or name: an ordinal or a string.
struct ResourceId {
    bool isOrdinal = true;
    WORD ordinal = 0;
    std::wstring name;

    static ResourceId of(WORD ordinal) { return {true, ordinal, {}}; }
    static ResourceId of(std::wstring name) { return {false, 0, std::move(name)}; }
    bool operator==(const ResourceId& other) const;
    std::wstring describe() const;
};

struct ResourceEntry {
    ResourceId type;
    ResourceId name;
    WORD language = 0;
    std::span<const std::uint8_t> data;
};

// Reads the RESOURCEHEADER records of a .res file; throws std::runtime_error when malformed.
std::vector<ResourceEntry> readResourceFile(std::span<const std::uint8_t> bytes);

// UTF-16 code units to a wide string, joining surrogate pairs (wchar_t is 32-bit here).
std::wstring decodeUtf16(const std::uint8_t* units, std::size_t count);

struct DialogItemTemplate {
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    DWORD id = 0;
    ResourceId windowClass;  // ordinal 0x80 … 0x85 for the predefined classes
    ResourceId title;        // an ordinal names an image resource
    std::vector<std::uint8_t> creationData;

    // The class name, with predefined ordinals resolved ("Button", "Edit" …).
    std::wstring className() const;
};

struct DialogTemplate {
    bool extended = false;
    DWORD helpId = 0;
    DWORD exStyle = 0;
    DWORD style = 0;
    short x = 0, y = 0, cx = 0, cy = 0;
    ResourceId menu;
    ResourceId windowClass;
    std::wstring title;
    WORD pointSize = 0;
    WORD weight = 0;
    bool italic = false;
    std::wstring typeface;
    std::vector<DialogItemTemplate> items;
};

// Reads a dialog template; throws std::runtime_error when malformed.
DialogTemplate readDialogTemplate(std::span<const std::uint8_t> bytes);

// The resources of every module the window system can see, by instance handle.
class ResourceLibrary {
public:
    using ModuleLookup = std::function<std::span<const std::uint8_t>(HINSTANCE)>;
    explicit ResourceLibrary(ModuleLookup lookup) : lookup_(std::move(lookup)) {}

    // Resources of a module that is not a loaded plug-in (tests register compiled scripts this way).
    void registerModule(HINSTANCE instance, std::span<const std::uint8_t> bytes);
    void unregisterModule(HINSTANCE instance);

    bool hasModule(HINSTANCE instance);
    std::optional<std::span<const std::uint8_t>> find(HINSTANCE instance, const ResourceId& type, const ResourceId& name);
    std::optional<DialogTemplate> dialog(HINSTANCE instance, const ResourceId& name);
    std::optional<std::wstring> string(HINSTANCE instance, UINT id);
    // A string kept alive for the module's lifetime (LoadStringW's read-only form); null when missing.
    const wchar_t* stableString(HINSTANCE instance, UINT id);

private:
    struct Index {
        const std::uint8_t* data = nullptr;
        std::size_t size = 0;
        std::vector<ResourceEntry> entries;
    };
    const Index* index(HINSTANCE instance);

    ModuleLookup lookup_;
    std::map<HINSTANCE, std::span<const std::uint8_t>> registered_;
    std::map<HINSTANCE, Index> indexes_;
    std::map<std::pair<HINSTANCE, UINT>, std::wstring> stableStrings_;
};

}  // namespace vexa::sim::win
