// The argument rules of "Vexa-msgbox" and the button group its texts choose.
#include <gtest/gtest.h>

#include "kito/message_boxes/message_box_request.h"
#include "kito/usage_texts.h"
#include "sim/lisp_bridge.h"
#include "lisp/reader.h"
#include "support/host_fixture.h"

namespace {

using vexa::kito::MessageBoxPlan;
using vexa::kito::MessageBoxRequest;

class MessageBoxRequestTest : public vexa::test::HostTest {
protected:
    // The request for an argument list written as AutoLISP text.
    std::optional<MessageBoxRequest> read(std::wstring_view arguments) {
        const auto chain = vexa::sim::chainFromValues(vexa::sim::lisp::readAll(arguments));
        return vexa::kito::readMessageBoxRequest(chain.get());
    }
    MessageBoxPlan plan(std::wstring_view arguments) { return vexa::kito::planMessageBox(read(arguments).value()); }
};

TEST_F(MessageBoxRequestTest, TextAloneTakesTheChineseCaptionAndAnOkBox) {
    const auto request = read(L"\"Hello!\"");
    ASSERT_TRUE(request);
    EXPECT_EQ(request->caption, L"Vexa 訊息");
    EXPECT_EQ(request->type, 0u);
    EXPECT_FALSE(plan(L"\"Hello!\"").relabel());
}

TEST_F(MessageBoxRequestTest, NilCaptionIsTheEnglishDefaultAndAStringIsKept) {
    EXPECT_EQ(read(L"\"a\" nil 4")->caption, L"Vexa Message");
    EXPECT_EQ(read(L"\"a\" \"Title\"")->caption, L"Title");
    EXPECT_EQ(read(L"\"a\" nil 4")->type, 4u);
}

TEST_F(MessageBoxRequestTest, WrongTextOrCaptionIsRefused) {
    EXPECT_FALSE(read(L""));
    EXPECT_FALSE(read(L"5"));
    EXPECT_FALSE(read(L"nil \"x\""));
    EXPECT_FALSE(read(L"'(\"a\")"));
    EXPECT_FALSE(read(L"\"a\" 5"));
    EXPECT_FALSE(read(L"\"a\" T"));
}

TEST_F(MessageBoxRequestTest, OnlyASixteenBitTypeCounts) {
    EXPECT_EQ(read(L"\"a\" nil 70000")->type, 0u);  // arrives as a 32-bit integer
    EXPECT_EQ(read(L"\"a\" nil \"4\"")->type, 0u);
    EXPECT_EQ(read(L"\"a\" nil 1.0")->type, 0u);
    EXPECT_EQ(read(L"\"a\" nil -1")->type, 0xFFFFFFFFu);  // sign-extended
}

TEST_F(MessageBoxRequestTest, ButtonTextsChooseTheGroupAfterClearingItsBits) {
    const MessageBoxPlan one = plan(L"\"a\" \"c\" 68 \"Go\"");
    EXPECT_EQ(one.type, 64u);
    EXPECT_TRUE(one.relabel());
    EXPECT_EQ(plan(L"\"a\" \"c\" 0 \"Go\" \"Stay\"").type, 4u);
    EXPECT_EQ(plan(L"\"a\" \"c\" 0 \"Go\" \"Stay\" \"Back\"").type, 3u);
    // A third text without a second picks no group of its own.
    EXPECT_EQ(plan(L"\"a\" \"c\" 2 \"Go\" \"\" \"Back\"").type, 0u);
}

TEST_F(MessageBoxRequestTest, EmptyFirstTextClearsTheGroupButRelabelsNothing) {
    const MessageBoxPlan empty = plan(L"\"a\" \"c\" 4 \"\" \"Stay\"");
    EXPECT_EQ(empty.type, 0u);
    EXPECT_FALSE(empty.relabel());
    // The top bit of the 16-bit type stays: only the three low bits are the group.
    EXPECT_EQ(plan(L"\"a\" \"c\" 12 nil").type, 8u);
}

TEST_F(MessageBoxRequestTest, WithoutButtonTextsTheTypeStays) {
    const MessageBoxPlan kept = plan(L"\"a\" \"c\" 5");
    EXPECT_EQ(kept.type, 5u);
    EXPECT_FALSE(kept.relabel());
}

TEST_F(MessageBoxRequestTest, LabelsFollowTheButtonIds) {
    const std::array<std::wstring, 3> labels = {L"one", L"two", L"three"};
    EXPECT_EQ(vexa::kito::labelFor(labels, IDOK), L"one");
    EXPECT_EQ(vexa::kito::labelFor(labels, IDYES), L"one");
    EXPECT_EQ(vexa::kito::labelFor(labels, IDNO), L"two");
    EXPECT_EQ(vexa::kito::labelFor(labels, IDCANCEL), L"three");
    EXPECT_EQ(vexa::kito::labelFor(labels, IDRETRY), L"");
}

TEST(KitoUsageTexts, HaveTheirLengthsAndFixedLines) {
    EXPECT_EQ(vexa::kito::disableEscUsage().size(), 19u);
    EXPECT_EQ(vexa::kito::grReadUsage().size(), 7u);
    const auto& msgbox = vexa::kito::msgboxUsage();
    ASSERT_EQ(msgbox.size(), 165u);
    EXPECT_EQ(msgbox[1], L";; ex. (Vexa-Msgbox \"Hello!\" \"Vexa\" (logior 1 64))");
    EXPECT_EQ(msgbox[5], L";; type:");
    EXPECT_EQ(msgbox[8], L";;   MB_OK = 0");
    EXPECT_EQ(msgbox[9], L";;     The message box contains one push button: OK. This is the default.");
    EXPECT_EQ(msgbox[msgbox.size() - 2], L";;   IDNO = 7");
    EXPECT_EQ(msgbox.back(), L";;     No button was selected.");
    for (const std::wstring& line : msgbox) EXPECT_TRUE(line.starts_with(L";; ")) << vexa::test::narrow(line);
}

}  // namespace
