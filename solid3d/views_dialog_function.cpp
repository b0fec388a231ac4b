#include "acad/aced.h"
#include "frame/resource_scope.h"
#include "solid3d/SolidToViewsDlg.h"
#include "solid3d/views_functions.h"

namespace vexa::solid3d {

int viewsDlg(resbuf* args) {
    std::optional<ViewsChoice> choice = readViewsChoice(args);
    if (!choice) return acedRetNil();
    INT_PTR ended = IDCANCEL;
    {
        frame::PluginResources resources;
        SolidToViewsDlg dialog(*choice);
        ended = dialog.DoModal();
    }
    if (ended != IDOK) return acedRetNil();
    return acedRetInt(viewsChoiceResult(*choice));
}

}  // namespace vexa::solid3d
