// The run of every choice dialog of the tools and views: options read from the call, the dialog
// shown with the plug-in's resources, the answer given on OK and nil otherwise.
#pragma once

#include <optional>

#include "acad/aced.h"
#include "frame/resource_scope.h"
#include "win/afxwin.h"

namespace vexa::frame {

// `answer(options)` sets the result when the user presses OK; nil without arguments or on Cancel.
template <typename Dialog, typename Options, typename Answer>
int runOptionDialog(std::optional<Options> options, Answer answer) {
    if (!options) return acedRetNil();
    INT_PTR ended = IDCANCEL;
    {
        PluginResources resources;
        Dialog dialog(*options);
        ended = dialog.DoModal();
    }
    if (ended != IDOK) return acedRetNil();
    answer(*options);
    return RTNORM;
}

}  // namespace vexa::frame
