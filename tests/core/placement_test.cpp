#include "placement.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "fakes.h"

namespace picoron {
namespace {

const std::vector<Rect> kTwoMonitors = {{0, 0, 1280, 1000}, {1280, 0, 2560, 1000}};

struct PlacementCase {
  const char* name;
  Rect window;
  std::optional<Point> moved;
};

class PlacementCases : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementCases, MovesOnlyWindowsNoScreenShows) {
  EXPECT_EQ(OntoAScreen(GetParam().window, kTwoMonitors), GetParam().moved);
}

INSTANTIATE_TEST_SUITE_P(
    Placement, PlacementCases,
    ::testing::Values(PlacementCase{"OnScreenStays", {192, 114, 489, 323}, std::nullopt},
                      PlacementCase{"CollapsedAtTheLeftEdgeStays", {-4, 100, 293, 309}, std::nullopt},
                      PlacementCase{"MostlyBeyondTheRightEdgeStays", {2550, 100, 2847, 309}, std::nullopt},
                      PlacementCase{"OnTheSecondMonitorStays", {1500, 500, 1797, 709}, std::nullopt},
                      PlacementCase{"FarRightGoesToTheRightEdgeOfTheNearest", {5000, 100, 5297, 309},
                                    Point{2263, 100}},
                      PlacementCase{"FarBelowLeftGoesToTheBottomLeftCorner", {-3000, 4000, -2703, 4209},
                                    Point{0, 791}},
                      PlacementCase{"JustAboveTheTopComesDown", {300, -209, 597, 0}, Point{300, 0}},
                      PlacementCase{"LargerThanTheScreenStartsAtItsCorner", {-5000, -5000, -1000, -3000},
                                    Point{0, 0}}),
    testing::CaseName());

TEST(Placement, WithoutAnyWorkAreaNothingMoves) {
  EXPECT_EQ(OntoAScreen({5000, 5000, 5297, 5209}, {}), std::nullopt);
}

}  // namespace
}  // namespace picoron
