#include "solid3d/point_2d_to_3d.h"

#include <string>

#include "acad/acdocman.h"
#include "frame/product_call.h"

namespace vexa::solid3d {

void point2dTo3d() {
    const std::optional<frame::ProductAnswer> answer = frame::callProduct(L"C:Vexa_2DPto3DP");
    // Only a string is a point as typed; nil and anything else send nothing.
    if (!answer || *answer == nullptr || (*answer)->restype != RTSTR || (*answer)->resval.rstring == nullptr) return;
    const std::wstring typed = std::wstring(L"_none\n") + (*answer)->resval.rstring + L"\n";
    acDocManager->sendStringToExecute(curDoc(), typed.c_str(), true, false, true);
}

}  // namespace vexa::solid3d
