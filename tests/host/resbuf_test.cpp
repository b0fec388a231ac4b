// How AutoLISP values cross into result-buffer chains and back, and the buffer calls plug-ins use.
#include <gtest/gtest.h>

#include "acad/aced.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "sim/host.h"
#include "sim/lisp_bridge.h"

namespace {

using namespace vexa::sim;

std::vector<int> typesOf(const resbuf* chain) {
    std::vector<int> types;
    for (; chain != nullptr; chain = chain->rbnext) types.push_back(chain->restype);
    return types;
}

// The text is read as data, each form one argument.
HostChain chainOf(std::wstring_view text) { return chainFromValues(lisp::readAll(text)); }

std::wstring roundTrip(std::wstring_view text) {
    HostChain chain = chainOf(text);
    std::wstring printed;
    for (const auto& value : valuesFromChain(chain.get())) printed += lisp::print(value, true) + L" ";
    return printed;
}

TEST(LispBridge, ArgumentsArriveAsTheHostPassesThem) {
    EXPECT_EQ(typesOf(chainOf(L"(1 \"a\") 70000 -32768 2.5").get()),
              (std::vector<int>{RTLB, RTSHORT, RTSTR, RTLE, RTLONG, RTSHORT, RTREAL}));
    EXPECT_EQ(typesOf(chainOf(L"(1.0 2.0 3.0) (1.0 2.0) (1 2.5)").get()),
              (std::vector<int>{RT3DPOINT, RTPOINT, RTLB, RTSHORT, RTREAL, RTLE}));
    EXPECT_EQ(typesOf(chainOf(L"nil T (\"a\" . 5) (nil)").get()),
              (std::vector<int>{RTNIL, RTT, RTLB, RTSTR, RTDOTE, RTSHORT, RTLE, RTLB, RTNIL, RTLE}));
}

TEST(LispBridge, ChainsReadBackToTheSameValues) {
    EXPECT_EQ(roundTrip(L"(1 (2 (3 \"x\")) 70000) (\"a\" . 5) nil T"), L"(1 (2 (3 \"x\")) 70000) (\"a\" . 5) nil T ");
    EXPECT_EQ(roundTrip(L"(1.5 2.0 3.0)"), L"(1.5 2.0 3.0) ");
}

TEST(LispBridge, UnbalancedChainsEndTheReadWithoutFault) {
    HostChain chain = chainOf(L"(1 2)");
    // Cut the chain before its list end, as a careless plug-in might.
    resbuf* second = chain->rbnext->rbnext;
    freeNode(second->rbnext);
    second->rbnext = nullptr;
    const auto values = valuesFromChain(chain.get());
    ASSERT_EQ(values.size(), 1u);
    EXPECT_EQ(lisp::print(values[0], true), L"(1 2)");
}

TEST(LispBridge, DeepNestingIsCutInsteadOfExhaustingTheStack) {
    lisp::ValuePtr deep;
    for (int i = 0; i < 20000; ++i) deep = lisp::makeList({deep});
    HostChain chain = chainFromValues({deep});
    EXPECT_NE(chain, nullptr);
    EXPECT_FALSE(valuesFromChain(chain.get()).empty());
}

class BufferCalls : public ::testing::Test {
protected:
    Host host;
};

TEST_F(BufferCalls, BuildListCopiesEveryKindAndIsReleasedWhole) {
    const ads_point point{1, 2, 3};
    const ACHAR* text = L"row";
    resbuf* list = acutBuildList(RTLB, RTSHORT, 7, RTSTR, text, RT3DPOINT, point, RTLONG, 70000, RTREAL, 0.5, RTLE, 0);
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(typesOf(list), (std::vector<int>{RTLB, RTSHORT, RTSTR, RT3DPOINT, RTLONG, RTREAL, RTLE}));
    EXPECT_NE(list->rbnext->rbnext->resval.rstring, text);
    EXPECT_EQ(lisp::print(valueFromResult(list), true), L"(7 \"row\" (1.0 2.0 3.0) 70000 0.5)");
    EXPECT_EQ(host.resbufs().outstanding(), 7u);
    acutRelRb(list);
    EXPECT_EQ(host.resbufs().outstanding(), 0u);
}

TEST_F(BufferCalls, ReleasingTheHostsOwnListIsRefusedAndReported) {
    HostChain hostOwned = chainOf(L"1 2");
    acutRelRb(hostOwned.get());
    EXPECT_EQ(host.audit().take().size(), 1u);
}

TEST_F(BufferCalls, PrintfTakesWideStringsAsTheHostDoes) {
    acutPrintf(L"\n%s has %d layer%c", L"Drawing1", 3, L's');
    EXPECT_EQ(host.commandLine().transcript(), L"\nDrawing1 has 3 layers");
}

}  // namespace
