#include "ordo/layers/layer_functions.h"

#include "acad/aced.h"
#include "frame/resource_scope.h"
#include "ordo/layers/OrdoMan.h"
#include "ordo/layers/lay_sub_new.h"

namespace vexa::ordo {

int dxOrdoMan(resbuf* args) {
    acedRetNil();
    ManagerArguments arguments = readManagerArguments(args);
    // A manager without its layer item has nothing to show.
    if (!arguments.hasLayerItem) return RTNORM;
    frame::PluginResources resources;
    OrdoMan dialog(std::move(arguments));
    if (dialog.DoModal() == IDOK) acedRetStr(dialog.mainLayer().c_str());
    return RTNORM;
}

int setLaySub(resbuf* args) {
    const std::optional<SubLayerRequest> request = readSubLayerRequest(args);
    if (!request) return RTNORM;
    SubLayerChoice choice;
    {
        const frame::PluginResources resources;
        LaySubNew dialog(*request);
        if (dialog.DoModal() != IDOK) return RTNORM;
        choice = dialog.choice();
    }
    frame::ListBuilder answer;
    buildSubLayerAnswer(answer, choice);
    answer.returnResult();
    return RTNORM;
}

}  // namespace vexa::ordo
