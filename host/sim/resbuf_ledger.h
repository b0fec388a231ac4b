// Allocation of result buffers, and which of them a plug-in owns and must release.
#pragma once

#include <cstddef>
#include <memory>
#include <unordered_set>

#include "acad/adscodes.h"
#include "sim/audit_log.h"

namespace vexa::sim {

// Whether a node of this type or DXF group code carries a string the node owns.
bool holdsString(int type);
void freeNode(resbuf* node);

// Frees a chain the host itself built and owns.
struct HostChainFree {
    void operator()(resbuf* chain) const;
};
using HostChain = std::unique_ptr<resbuf, HostChainFree>;

class ResbufLedger {
public:
    explicit ResbufLedger(AuditLog& audit) : audit_(audit) {}
    ~ResbufLedger();
    ResbufLedger(const ResbufLedger&) = delete;
    ResbufLedger& operator=(const ResbufLedger&) = delete;

    static resbuf* newNode(int type);
    // A node handed to the plug-in, which must release it with acutRelRb.
    resbuf* newPluginNode(int type);
    void adopt(resbuf* chain);
    void releasePluginChain(resbuf* chain);
    std::size_t outstanding() const { return pluginOwned_.size(); }

private:
    AuditLog& audit_;
    std::unordered_set<resbuf*> pluginOwned_;
};

}  // namespace vexa::sim
