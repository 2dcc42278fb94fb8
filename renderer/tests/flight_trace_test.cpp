// The scripted flight against its golden trace. Built natively and for Windows (run under
// Wine), so the two builds' flights are proven equal bit for bit, every step.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "renderer/tests/flight_trace.h"

namespace {

// The golden file's lines without its comment lines.
std::vector<std::string> TraceLines(std::istream& in) {
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();  // a checkout with CRLF
        if (!line.empty() && line[0] != '#') lines.push_back(line);
    }
    return lines;
}

TEST(FlightTrace, MatchesTheGoldenTraceBitForBit) {
    std::ifstream goldenFile(VQ_FLIGHT_TRACE_GOLDEN);
    ASSERT_TRUE(goldenFile) << "cannot read " << VQ_FLIGHT_TRACE_GOLDEN;
    const std::vector<std::string> golden = TraceLines(goldenFile);
    std::istringstream ours(flight_trace::FlightTraceText());
    const std::vector<std::string> computed = TraceLines(ours);
    ASSERT_EQ(computed.size(), golden.size());
    // The first differing checkpoint says roughly where the flights parted.
    for (size_t n = 0; n < golden.size(); ++n) {
        ASSERT_EQ(computed[n], golden[n]) << "trace line " << n + 1;
    }
}

TEST(FlightTrace, ScriptCrossesBothBoundsAndFliesBackward) {
    const flight_trace::ScriptReach reach = flight_trace::ReachOfScript();
    EXPECT_GT(reach.highestSpeed, 2.5f) << "Up must carry the speed well past the upper bound";
    EXPECT_LT(reach.lowestSpeed, -2.0f) << "Down must carry the speed well below zero";
    EXPECT_GE(reach.swingTurns, 4);
    EXPECT_TRUE(reach.timeFellAtSomeStep);
}

}  // namespace
