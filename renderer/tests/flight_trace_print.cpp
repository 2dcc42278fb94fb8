// Prints the golden flight trace. Remake the committed file only when the flight's arithmetic
// changes on purpose (see its first lines).
#include <cstdio>

#include "renderer/tests/flight_trace.h"

int main() {
    std::fputs(
        "# The scripted flight of renderer/tests/flight_trace.cpp as time and speed bit patterns, with a digest\n"
        "# of every step. The native FlightTrace test and the Windows one (renderer_flight_trace, under Wine)\n"
        "# compare against it. Remake it only when the flight's arithmetic changes on purpose, natively:\n"
        "#   build/native/renderer/flight_trace_print > renderer/tests/flight_trace.golden\n",
        stdout);
    std::fputs(flight_trace::FlightTraceText().c_str(), stdout);
    return 0;
}
