#include "ordo/layers/layer_manager_function.h"

#include "acad/aced.h"
#include "frame/resource_scope.h"
#include "ordo/layers/OrdoMan.h"

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

}  // namespace vexa::ordo
