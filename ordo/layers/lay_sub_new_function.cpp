#include "ordo/layers/lay_sub_new_function.h"

#include "frame/resource_scope.h"
#include "ordo/layers/lay_sub_new.h"

namespace vexa::ordo {

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
