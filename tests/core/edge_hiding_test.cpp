#include "edge_hiding.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "fakes.h"

namespace picoron {
namespace {

const Strip kFourPixelFrame = StripFor(4, 23);
constexpr Rect kStrip{4, 40, 5, 190};
constexpr Rect kWhole{0, 0, 297, 209};

TEST(StripFor, FourPixelFrameGivesTheDesignedStripAndEdge) {
  EXPECT_EQ(kFourPixelFrame, (Strip{kStrip, -4}));
}

TEST(StripFor, FollowsTheRealFrameAndStaysInsideTheClientArea) {
  EXPECT_EQ(StripFor(8, 27), (Strip{Rect{8, 40, 9, 190}, -8}));
  EXPECT_EQ(StripFor(4, 48), (Strip{Rect{4, 48, 5, 198}, -4}));
}

enum class Event { kDeactivate, kMouseMove };

struct Transition {
  const char* name;
  EdgeState state;
  Event event;
  EdgeAction action;
};

class EdgeStateTable : public ::testing::TestWithParam<Transition> {};

TEST_P(EdgeStateTable, DecidesMoveRegionAndState) {
  const Transition& t = GetParam();
  const EdgeAction action =
      t.event == Event::kDeactivate ? AppDeactivate(t.state, kFourPixelFrame) : FormMouseMove(t.state);
  EXPECT_EQ(action.moveLeftTo, t.action.moveLeftTo);
  EXPECT_EQ(action.region, t.action.region);
  EXPECT_EQ(action.hidden, t.action.hidden);
}

INSTANTIATE_TEST_SUITE_P(
    Edge, EdgeStateTable,
    ::testing::Values(
        Transition{"ExpandedToggleDownCollapsesInPlace", {true, 100, 297, 209, false}, Event::kDeactivate,
                   {std::nullopt, kStrip, true}},
        Transition{"ExpandedToggleDownBeyondTheEdgeMovesToIt", {true, -200, 297, 209, false}, Event::kDeactivate,
                   {-4, kStrip, true}},
        Transition{"AtTheEdgeStaysThere", {true, -4, 297, 209, false}, Event::kDeactivate, {-4, kStrip, true}},
        Transition{"AtZeroDoesNotMove", {true, 0, 297, 209, false}, Event::kDeactivate,
                   {std::nullopt, kStrip, true}},
        Transition{"ExpandedToggleUpChangesNothing", {false, -200, 297, 209, false}, Event::kDeactivate,
                   {std::nullopt, std::nullopt, false}},
        Transition{"CollapsedToggleDownSetsTheStripAgain", {true, -4, 297, 209, true}, Event::kDeactivate,
                   {-4, kStrip, true}},
        Transition{"CollapsedToggleUpStaysCollapsed", {false, 100, 297, 209, true}, Event::kDeactivate,
                   {std::nullopt, std::nullopt, true}},
        Transition{"CollapsedMouseMoveRestores", {true, 100, 297, 209, true}, Event::kMouseMove,
                   {std::nullopt, kWhole, false}},
        Transition{"ExpandedMouseMoveDoesNothing", {true, 100, 297, 209, false}, Event::kMouseMove,
                   {std::nullopt, std::nullopt, false}}),
    testing::CaseName());

}  // namespace
}  // namespace picoron
