// The per-frame grid step both ways: sines and cosines once per ring (the renderer's path)
// against the formula evaluated at every vertex.
#include <benchmark/benchmark.h>

#include "renderer/flight.h"
#include "renderer/tunnel_geometry.h"

namespace {

template <void (*Compute)(double, renderer::TunnelFrame&)>
void GridStep(benchmark::State& state) {
    renderer::Flight flight;
    renderer::ResetTunnelAnimation(flight);
    renderer::TunnelFrame frame{};
    for (auto _ : state) {
        Compute(renderer::AdvanceTunnelTime(flight), frame);
        renderer::StepTunnelSpeed(flight, {});
        benchmark::DoNotOptimize(frame);
    }
}

BENCHMARK(GridStep<renderer::ComputeTunnelFrame>)->Name("GridStep/PerRing");
BENCHMARK(GridStep<renderer::ComputeTunnelGridDirect>)->Name("GridStep/PerVertex");

}  // namespace

BENCHMARK_MAIN();
