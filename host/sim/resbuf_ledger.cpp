#include "sim/resbuf_ledger.h"

#include <cstdlib>

namespace vexa::sim {

bool holdsString(int type) {
    return type == RTSTR || type == RTDXF0 || type == -4 || (type >= 1 && type <= 9) || (type >= 100 && type <= 102) ||
           type == 105 || (type >= 300 && type <= 369) || (type >= 390 && type <= 399) ||
           (type >= 410 && type <= 419) || (type >= 430 && type <= 439) || (type >= 470 && type <= 479) ||
           (type >= 999 && type <= 1009);
}

void freeNode(resbuf* node) {
    if (holdsString(node->restype)) std::free(node->resval.rstring);
    delete node;
}

void HostChainFree::operator()(resbuf* chain) const {
    while (chain != nullptr) {
        resbuf* next = chain->rbnext;
        freeNode(chain);
        chain = next;
    }
}

ResbufLedger::~ResbufLedger() {
    for (resbuf* node : pluginOwned_) freeNode(node);
}

resbuf* ResbufLedger::newNode(int type) {
    auto* node = new resbuf{};
    node->restype = static_cast<short>(type);
    return node;
}

resbuf* ResbufLedger::newPluginNode(int type) {
    resbuf* node = newNode(type);
    pluginOwned_.insert(node);
    return node;
}

void ResbufLedger::adopt(resbuf* chain) {
    for (; chain != nullptr; chain = chain->rbnext) pluginOwned_.insert(chain);
}

void ResbufLedger::releasePluginChain(resbuf* chain) {
    while (chain != nullptr) {
        if (pluginOwned_.erase(chain) == 0) {
            // Freeing the host's own argument list would corrupt it: refuse and report.
            audit_.record(L"released a result buffer the plug-in does not own");
            return;
        }
        resbuf* next = chain->rbnext;
        freeNode(chain);
        chain = next;
    }
}

}  // namespace vexa::sim
