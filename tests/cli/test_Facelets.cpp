#include "Facelets.h"
#include "StepCodes.h"

#include <gtest/gtest.h>

using namespace turnix;
using namespace turnix::cli;

namespace {

std::string FaceletsAfter(std::int16_t code) {
    clsCube cube;
    ApplyStep(cube, code);
    return FaceletString(cube);
}

} // namespace

// The strings that other cube tools give for a solved cube and for one turn
// of it; reading them back is checked through the commands.
TEST(Facelets, OneTurnGivesTheStringOtherToolsUse) {
    EXPECT_EQ(FaceletString(clsCube{}), "UUUUUUUUURRRRRRRRRFFFFFFFFFDDDDDDDDDLLLLLLLLLBBBBBBBBB");
    EXPECT_EQ(FaceletsAfter(9), "UUFUUFUUFRRRRRRRRRFFDFFDFFDDDBDDBDDBLLLLLLLLLUBBUBBUBB");  // R
    EXPECT_EQ(FaceletsAfter(12), "UUUUUUUUUBBBRRRRRRRRRFFFFFFDDDDDDDDDFFFLLLLLLLLLBBBBBB"); // U
    EXPECT_EQ(FaceletsAfter(0), "UUUUUULLLURRURRURRFFFFFFFFFRRRDDDDDDLLDLLDLLDBBBBBBBBB");  // F
}
