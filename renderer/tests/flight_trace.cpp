// The script: the free swing over its upper bound, Up held past it, Down held through the lower
// bound and below zero, both keys at once, and a stretch of short taps of either key.
#include "renderer/tests/flight_trace.h"

#include <cinttypes>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>

#include "renderer/flight.h"

namespace flight_trace {
namespace {

using renderer::Flight;
using renderer::SpeedKeys;

struct Segment {
    int steps;
    SpeedKeys keys;
    bool tapping;  // keys follow a short irregular pattern instead of being held
};

constexpr SpeedKeys kNone{false, false};
constexpr SpeedKeys kUp{true, false};
constexpr SpeedKeys kDown{false, true};
constexpr SpeedKeys kBoth{true, true};

constexpr Segment kScript[] = {
    {1200, kNone, false},  // rises from 0.5, turns down past 1.5 near step 1000
    {400, kUp, false},     // Up against the falling swing, to about 2.9
    {1800, kNone, false},  // falls back toward 1.1
    {1000, kDown, false},  // through 0.1 (the swing turns up) and on below zero
    {300, kBoth, false},   // the keys cancel; only the swing moves
    {1500, kNone, false},  // climbs, still negative
    {500, kUp, false},     // up through 0.1 and past 1.5 again
    {1000, kNone, false},
    {1200, kNone, true},   // taps of Up, Down and both
};

SpeedKeys TappedKeys(int step) {
    const int phase = step % 23;
    return {phase < 5 || (phase >= 12 && phase < 14), phase >= 9 && phase < 16};
}

constexpr int kCheckpointEvery = 500;

void RunScript(const std::function<void(int step, const Flight&)>& afterStep) {
    Flight flight;
    renderer::ResetTunnelAnimation(flight);
    int step = 0;
    for (const Segment& segment : kScript) {
        for (int n = 0; n < segment.steps; ++n) {
            renderer::TakeAnimationStep(flight, segment.tapping ? TappedKeys(n) : segment.keys);
            afterStep(++step, flight);
        }
    }
}

// FNV-1a, 64 bits: enough to tell any changed bit in the run from the golden one.
class Digest {
  public:
    template <typename T>
    void Add(T value) {
        unsigned char bytes[sizeof(T)];
        std::memcpy(bytes, &value, sizeof(T));
        for (unsigned char b : bytes) hash_ = (hash_ ^ b) * 0x100000001b3ULL;
    }
    uint64_t value() const { return hash_; }

  private:
    uint64_t hash_ = 0xcbf29ce484222325ULL;
};

uint64_t TimeBits(const Flight& f) {
    uint64_t bits;
    std::memcpy(&bits, &f.time, sizeof(bits));
    return bits;
}

uint32_t SpeedBits(const Flight& f) {
    uint32_t bits;
    std::memcpy(&bits, &f.speed, sizeof(bits));
    return bits;
}

}  // namespace

std::string FlightTraceText() {
    std::string text;
    Digest digest;
    int lastStep = 0;
    RunScript([&](int step, const Flight& f) {
        digest.Add(TimeBits(f));
        digest.Add(SpeedBits(f));
        digest.Add(static_cast<unsigned char>(f.rising));
        lastStep = step;
        if (step == 1 || step % kCheckpointEvery == 0) {
            char line[128];
            // Bit patterns only: decimal printing may differ between C runtimes.
            std::snprintf(line, sizeof(line), "step %d time %016" PRIx64 " speed %08" PRIx32 " rising %d\n", step,
                          TimeBits(f), SpeedBits(f), f.rising ? 1 : 0);
            text += line;
        }
    });
    char line[96];
    std::snprintf(line, sizeof(line), "digest of all %d steps %016" PRIx64 "\n", lastStep, digest.value());
    return text + line;
}

ScriptReach ReachOfScript() {
    ScriptReach reach{0.5f, 0.5f, 0, false};
    bool wasRising = true;
    double previousTime = 0;
    RunScript([&](int, const Flight& f) {
        if (f.speed > reach.highestSpeed) reach.highestSpeed = f.speed;
        if (f.speed < reach.lowestSpeed) reach.lowestSpeed = f.speed;
        if (f.rising != wasRising) ++reach.swingTurns;
        wasRising = f.rising;
        if (f.time < previousTime) reach.timeFellAtSomeStep = true;
        previousTime = f.time;
    });
    return reach;
}

}  // namespace flight_trace
