#include "frame/product_call.h"

namespace vexa::frame {

std::optional<ProductAnswer> callProduct(std::wstring_view name, const ListBuilder& arguments, FailureLine failureLine) {
    ListBuilder call;
    call.string(name).copy(arguments.chain());
    resbuf* answer = nullptr;
    if (call.empty() || acedInvoke(call.chain(), &answer) != RTNORM) {
        acutRelRb(answer);
        if (failureLine == FailureLine::Printed) acutPrintf(L"acedInvoke() failed.");
        return std::nullopt;
    }
    return ProductAnswer(answer);
}

}  // namespace vexa::frame
