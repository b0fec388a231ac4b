// A bare simulated host for the ordo logic tests: argument chains from AutoLISP text, results as it.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>

#include "frame/resbuf_chain.h"
#include "lisp/printer.h"
#include "lisp/reader.h"
#include "sim/host.h"
#include "sim/lisp_bridge.h"

namespace vexa::test {

class OrdoLogicTest : public ::testing::Test {
protected:
    sim::HostChain chainOf(std::wstring_view text) { return sim::chainFromValues(sim::lisp::readAll(text)); }
    // The list the host's acedRetList makes of a result chain.
    std::wstring printed(const frame::ListBuilder& result) {
        return sim::lisp::print(sim::lisp::makeList(sim::valuesFromChain(result.chain())), true);
    }

    sim::Host host;
};

}  // namespace vexa::test
