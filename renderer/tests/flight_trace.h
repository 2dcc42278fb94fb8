// A long scripted flight, keys held and released, written out as text that must come out the
// same, bit for bit, from every build: the native one and both Windows ones.
#pragma once
#include <string>

namespace flight_trace {

// Checkpoint lines of time and speed (as hexadecimal bit patterns) every few hundred steps,
// then a digest of the state after every step of the run.
std::string FlightTraceText();

// What the script reached, so a test can check it still exercises what it is for.
struct ScriptReach {
    float highestSpeed;
    float lowestSpeed;
    int swingTurns;
    bool timeFellAtSomeStep;
};
ScriptReach ReachOfScript();

}  // namespace flight_trace
