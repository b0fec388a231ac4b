// The host's window-message filters and watchers, run on the messages of its own loop.
#pragma once

#include <vector>

#include "acad/acedwinmsg.h"

namespace vexa::sim {

class PluginModule;

class MessageFilters {
public:
    // Each function is registered once; a second registration or a removal of an unknown one fails.
    bool addFilter(AcedFilterWinMsgFn filter, const PluginModule* owner);
    bool removeFilter(AcedFilterWinMsgFn filter);
    bool addWatcher(AcedWatchWinMsgFn watcher, const PluginModule* owner);
    bool removeWatcher(AcedWatchWinMsgFn watcher);

    // Whether a filter drops the message; watchers see only what no filter dropped.
    bool drops(MSG& message);
    void watch(const MSG& message);

    std::size_t filterCount() const { return filters_.size(); }
    std::size_t watcherCount() const { return watchers_.size(); }
    // Removes what the plug-in registered; the number removed.
    std::size_t removeOwnedBy(const PluginModule* owner);

    // Simulates the host refusing new registrations.
    void setRefusing(bool refusing) { refusing_ = refusing; }

private:
    template <typename Fn>
    struct Entry {
        Fn function;
        const PluginModule* owner;
    };

    std::vector<Entry<AcedFilterWinMsgFn>> filters_;
    std::vector<Entry<AcedWatchWinMsgFn>> watchers_;
    bool refusing_ = false;
};

}  // namespace vexa::sim
