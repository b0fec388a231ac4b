// The host's growable array, as far as the input-point monitors receive it.
#pragma once

#include <utility>
#include <vector>

template <class T>
class AcArray {
public:
    AcArray() = default;
    explicit AcArray(std::vector<T> items) : items_(std::move(items)) {}

    int length() const { return static_cast<int>(items_.size()); }
    bool isEmpty() const { return items_.empty(); }
    const T& at(int index) const { return items_.at(static_cast<std::size_t>(index)); }
    const T& operator[](int index) const { return at(index); }
    AcArray& append(const T& item) {
        items_.push_back(item);
        return *this;
    }

private:
    std::vector<T> items_;
};
