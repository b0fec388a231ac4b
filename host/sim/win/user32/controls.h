// The built-in window classes: one behaviour per control kind, reached through one window procedure.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <string>
#include <vector>

#include "sim/win/user32/window_system.h"

namespace vexa::sim::win {

// Class names (folded to upper case) with a built-in behaviour.
bool isControlClass(std::wstring_view foldedName);
std::unique_ptr<Control> makeControl(std::wstring_view foldedName);
LRESULT CALLBACK controlProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT defaultProcedure(WindowSystem& system, HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT dialogProcedure(WindowSystem& system, HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// One factory per control kind (one file each).
std::unique_ptr<Control> makeStatic();
std::unique_ptr<Control> makeButton();
std::unique_ptr<Control> makeEdit();
std::unique_ptr<Control> makeListBox();
std::unique_ptr<Control> makeComboBox();
std::unique_ptr<Control> makeTrackbar();
std::unique_ptr<Control> makeProgress();
std::unique_ptr<Control> makeListView();
std::unique_ptr<Control> makeTabControl();

// Copies text into a WM_GETTEXT-style buffer of `size` characters (terminator included).
LRESULT copyText(std::wstring_view text, WPARAM size, LPARAM buffer);

// Text, selection and the editing rules shared by edits and the edit field of combo boxes.
class EditBuffer {
public:
    std::wstring text;
    std::size_t selStart = 0;  // anchor
    std::size_t selEnd = 0;    // caret
    std::size_t limit = 0x7FFFFFFE;
    bool readOnly = false;
    bool numbersOnly = false;
    bool multiline = false;
    bool upperCase = false;
    bool lowerCase = false;

    std::size_t low() const { return std::min(selStart, selEnd); }
    std::size_t high() const { return std::max(selStart, selEnd); }
    void select(long start, long end);
    void setText(std::wstring_view value);
    // A typed character (WM_CHAR): false when the rules refuse it or nothing changed.
    bool type(wchar_t character);
    // A key that edits or moves the caret (WM_KEYDOWN): true when the text changed.
    bool key(WPARAM virtualKey, bool shift);
    bool replaceSelection(std::wstring_view replacement);
};

// Lists of texts as list boxes and combo boxes keep them.
class StringList {
public:
    struct Item {
        std::wstring text;
        LPARAM data = 0;
        bool selected = false;  // multiple-selection list boxes
    };
    // Entries by position. Positions hold pointers, so inserting into a list of 20,000 moves
    // machine words, not strings.
    class Items {
    public:
        Items() = default;
        Items(const Items&) = delete;
        Items& operator=(const Items&) = delete;
        ~Items() { clear(); }
        Item& operator[](std::size_t index) { return *slots_[index]; }
        const Item& operator[](std::size_t index) const { return *slots_[index]; }
        std::size_t size() const { return slots_.size(); }
        std::size_t capacity() const { return slots_.capacity(); }
        void reserve(std::size_t count) { slots_.reserve(count); }
        void clear() {
            for (Item* item : slots_) delete item;
            slots_.clear();
        }
        void insert(std::size_t index, Item item) {
            auto owned = std::make_unique<Item>(std::move(item));
            slots_.insert(slots_.begin() + static_cast<std::ptrdiff_t>(index), owned.get());
            owned.release();
        }
        void erase(std::size_t index) {
            delete slots_[index];
            slots_.erase(slots_.begin() + static_cast<std::ptrdiff_t>(index));
        }
        template <typename Slot, typename Value>
        struct Iterator {
            Slot slot;
            Value& operator*() const { return **slot; }
            Iterator& operator++() {
                ++slot;
                return *this;
            }
            bool operator!=(const Iterator& other) const { return slot != other.slot; }
        };
        auto begin() { return Iterator<std::vector<Item*>::iterator, Item>{slots_.begin()}; }
        auto end() { return Iterator<std::vector<Item*>::iterator, Item>{slots_.end()}; }
        auto begin() const { return Iterator<std::vector<Item*>::const_iterator, const Item>{slots_.begin()}; }
        auto end() const { return Iterator<std::vector<Item*>::const_iterator, const Item>{slots_.end()}; }

    private:
        std::vector<Item*> slots_;
    };
    Items items;
    bool sorted = false;

    // Adds in sorted place (binary search) or at the end; returns the index. Adding, inserting
    // and removing keep `current`, the control's selected index, on its entry.
    int add(std::wstring text, int& current);
    int insert(int index, std::wstring text, int& current);
    bool remove(int index, int& current);
    // Case-insensitive prefix search starting after `after` and wrapping (-1: from the top).
    int findPrefix(int after, std::wstring_view prefix) const;
    int findExact(int after, std::wstring_view text) const;
    int count() const { return static_cast<int>(items.size()); }
    bool valid(int index) const { return index >= 0 && index < count(); }
    // The item messages list boxes and combo boxes answer alike; -1 (LB_ERR, CB_ERR) for a bad index.
    LRESULT reserve(WPARAM more);
    LRESULT copyItemText(int index, LPARAM buffer) const;
    LRESULT itemTextLength(int index) const;
    LRESULT setItemData(int index, LPARAM data);
    LRESULT itemData(int index) const;
};

}  // namespace vexa::sim::win
