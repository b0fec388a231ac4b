#include "ordo/layers/env_setup_function.h"

#include "frame/resbuf_chain.h"
#include "frame/resource_scope.h"
#include "ordo/layers/OrdoEnvSet.h"
#include "ordo/layers/OrdoEnvSet2.h"

namespace vexa::ordo {

namespace {

void returnPair(int first, int second) {
    frame::ListBuilder answer;
    answer.integer(static_cast<short>(first)).integer(static_cast<short>(second));
    answer.returnResult();
}

}  // namespace

int dxOrdoSet(resbuf* args) {
    acedRetNil();
    std::optional<EnvSetRequest> request = readEnvSetRequest(args);
    if (!request) return RTNORM;
    const frame::PluginResources resources;
    OrdoEnvSet dialog(std::move(*request));
    if (dialog.DoModal() == IDOK) returnPair(dialog.darkness(), dialog.transparency());
    return RTNORM;
}

int dxOrdoSet2(resbuf* args) {
    acedRetNil();
    const frame::PluginResources resources;
    OrdoEnvSet2 dialog(readEnvSet2Texts(args), frame::LockedLayerDisplay::read());
    if (dialog.DoModal() == IDOK) returnPair(dialog.fading(), dialog.opacity());
    return RTNORM;
}

}  // namespace vexa::ordo
