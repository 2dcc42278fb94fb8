// The per-frame grid step both ways: sines and cosines once per ring (the renderer's path)
// against the formula evaluated at every vertex.
#include <benchmark/benchmark.h>

#include "flight.h"
#include "tunnel_geometry.h"

namespace {

template <void (*Compute)(double, tunnel::TunnelFrame&)>
void GridStep(benchmark::State& state) {
    tunnel::Flight flight;
    tunnel::ResetTunnelAnimation(flight);
    tunnel::TunnelFrame frame{};
    for (auto _ : state) {
        Compute(tunnel::AdvanceTunnelTime(flight), frame);
        tunnel::StepTunnelSpeed(flight, {});
        benchmark::DoNotOptimize(frame);
    }
}

BENCHMARK(GridStep<tunnel::ComputeTunnelFrame>)->Name("GridStep/PerRing");
BENCHMARK(GridStep<tunnel::ComputeTunnelGridDirect>)->Name("GridStep/PerVertex");

}  // namespace

BENCHMARK_MAIN();
