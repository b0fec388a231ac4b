#include "kito/message_boxes/message_box_request.h"

namespace vexa::kito {

namespace {

constexpr UINT buttonGroupMask = 7;

}  // namespace

const ACHAR* messageTextOf(const std::vector<frame::Element>& items) {
    return items.empty() ? nullptr : items[0].string();
}

std::optional<MessageBoxRequest> readMessageBoxRequest(const resbuf* args) {
    const std::vector<frame::Element> items = frame::elementsOf(args);
    const ACHAR* text = messageTextOf(items);
    if (text == nullptr) return std::nullopt;
    MessageBoxRequest request;
    request.text = text;
    request.caption = L"Vexa 訊息";
    if (items.size() > 1) {
        if (items[1].node()->restype == RTNIL) request.caption = L"Vexa Message";
        else if (items[1].string() != nullptr) request.caption = items[1].string();
        else return std::nullopt;
    }
    // Only a 16-bit integer is a type; a 32-bit one is taken as 0, as anything else is.
    if (items.size() > 2 && items[2].node()->restype == RTSHORT) {
        request.type = static_cast<UINT>(static_cast<int>(items[2].node()->resval.rint));
    }
    request.withButtonTexts = items.size() > 3;
    // A button text that is not a string leaves its button with the standard label.
    for (std::size_t i = 3; i < items.size() && i < 6; ++i) {
        if (const ACHAR* text = items[i].string()) request.buttonTexts[i - 3] = text;
    }
    return request;
}

MessageBoxPlan planMessageBox(const MessageBoxRequest& request) {
    MessageBoxPlan plan;
    plan.type = request.type;
    if (!request.withButtonTexts) return plan;
    plan.type &= ~buttonGroupMask;
    plan.labels = request.buttonTexts;
    if (!plan.relabel()) return plan;
    if (!plan.labels[1].empty() && !plan.labels[2].empty()) plan.type |= MB_YESNOCANCEL;
    else if (!plan.labels[1].empty()) plan.type |= MB_YESNO;
    return plan;
}

const std::wstring& labelFor(const std::array<std::wstring, 3>& labels, int buttonId) {
    static const std::wstring none;
    switch (buttonId) {
    case IDOK:
    case IDYES: return labels[0];
    case IDNO: return labels[1];
    case IDCANCEL: return labels[2];
    default: return none;
    }
}

}  // namespace vexa::kito
