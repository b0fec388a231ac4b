#include "sim/input/message_filters.h"

#include <algorithm>

namespace vexa::sim {

namespace {

template <typename Entries, typename Fn>
bool add(Entries& entries, Fn function, const PluginModule* owner, bool refusing) {
    if (refusing || function == nullptr) return false;
    if (std::any_of(entries.begin(), entries.end(), [&](const auto& e) { return e.function == function; })) return false;
    entries.push_back({function, owner});
    return true;
}

template <typename Entries, typename Fn>
bool remove(Entries& entries, Fn function) {
    return std::erase_if(entries, [&](const auto& e) { return e.function == function; }) > 0;
}

}  // namespace

bool MessageFilters::addFilter(AcedFilterWinMsgFn filter, const PluginModule* owner) {
    return add(filters_, filter, owner, refusing_);
}

bool MessageFilters::removeFilter(AcedFilterWinMsgFn filter) { return remove(filters_, filter); }

bool MessageFilters::addWatcher(AcedWatchWinMsgFn watcher, const PluginModule* owner) {
    return add(watchers_, watcher, owner, refusing_);
}

bool MessageFilters::removeWatcher(AcedWatchWinMsgFn watcher) { return remove(watchers_, watcher); }

bool MessageFilters::drops(MSG& message) {
    // A copy, since a filter may remove itself or another while it runs.
    const auto filters = filters_;
    return std::any_of(filters.begin(), filters.end(), [&](const auto& e) { return e.function(&message) != FALSE; });
}

void MessageFilters::watch(const MSG& message) {
    const auto watchers = watchers_;
    for (const auto& entry : watchers) entry.function(&message);
}

std::size_t MessageFilters::removeOwnedBy(const PluginModule* owner) {
    return std::erase_if(filters_, [&](const auto& e) { return e.owner == owner; }) +
           std::erase_if(watchers_, [&](const auto& e) { return e.owner == owner; });
}

}  // namespace vexa::sim
