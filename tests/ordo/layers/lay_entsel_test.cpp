// "Vexa-LayEntsel": one pick takes everything in the pick box, and Enter and ESC say how it ended.
#include "support/monitor_fixture.h"
#include "sim/user/selection_acts.h"

namespace vexa::test {
namespace {

class LayEntselTest : public MonitorTest {
protected:
    void pick(double x, double y) { host.user().queue(sim::editor::pickAt({x, y})); }
};

TEST_F(LayEntselTest, EnterAndEscSayHowThePickEnded) {
    pressEnter();
    EXPECT_EQ(eval(L"(Vexa-LayEntsel \"Pick: \")"), L"\"*Enter*\"");
    pressEscape();
    EXPECT_EQ(eval(L"(Vexa-LayEntsel \"Pick: \")"), L"\"*Cancel*\"");
}

TEST_F(LayEntselTest, OnePickOnOneObjectReturnsItsName) {
    line(L"A", 0.0, 10.0, 10.0, 10.0);
    const std::wstring name = eval(L"(entlast)");
    line(L"B", 0.0, 18.0, 10.0, 18.0);
    pick(5.0, 10.0);
    EXPECT_EQ(eval(L"(Vexa-LayEntsel \"Pick: \")"), L"(" + name + L")");
}

TEST_F(LayEntselTest, OnePickTakesEveryObjectInThePickBox) {
    line(L"A", 0.0, 10.0, 10.0, 10.0);
    line(L"B", 5.0, 5.0, 5.0, 15.0);
    line(L"C", 0.0, 18.0, 10.0, 18.0);
    pick(5.0, 10.0);
    EXPECT_EQ(eval(L"(length (Vexa-LayEntsel \"Pick: \"))"), L"2");
    EXPECT_TRUE(host.user().empty());
}

}  // namespace
}  // namespace vexa::test
