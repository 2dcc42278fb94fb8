// Nothing is allocated per frame: every operator new in this program is counted, and a
// stretch of frames of the flight and its grid must not add to the count.
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

#include "renderer/flight.h"
#include "renderer/tunnel_geometry.h"

namespace {
std::atomic<long> allocations{0};
}

void* operator new(std::size_t size) {
    ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
// NOTE: the replacement pair is malloc-backed on purpose; GCC cannot see that and warns.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmismatched-new-delete"
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }
#pragma GCC diagnostic pop

namespace {

TEST(FrameAllocation, FramesAllocateNothing) {
    renderer::Flight flight;
    renderer::ResetTunnelAnimation(flight);
    renderer::TunnelFrame frame{};
    renderer::ComputeTunnelFrame(renderer::AdvanceTunnelTime(flight), frame);  // warm-up
    const long before = allocations.load();
    for (int n = 0; n < 2000; ++n) {
        renderer::ComputeTunnelFrame(renderer::AdvanceTunnelTime(flight), frame);
        renderer::StepTunnelSpeed(flight, {n % 3 == 0, n % 5 == 0});
    }
    EXPECT_EQ(allocations.load() - before, 0);
}

}  // namespace
