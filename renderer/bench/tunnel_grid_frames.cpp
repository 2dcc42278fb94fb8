// A fixed number of grid steps, for counting instructions per frame under callgrind
// (see count_grid_instructions.sh):  tunnel_grid_frames per-ring|per-vertex FRAMES
#include <cstdlib>
#include <cstring>

#include "renderer/flight.h"
#include "renderer/tunnel_geometry.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const bool perVertex = std::strcmp(argv[1], "per-vertex") == 0;
    const int frames = std::atoi(argv[2]);
    renderer::Flight flight;
    renderer::ResetTunnelAnimation(flight);
    static renderer::TunnelFrame frame;
    float sink = 0;
    for (int n = 0; n < frames; ++n) {
        const double time = renderer::AdvanceTunnelTime(flight);
        if (perVertex) {
            renderer::ComputeTunnelGridDirect(time, frame);
        } else {
            renderer::ComputeTunnelFrame(time, frame);
        }
        renderer::StepTunnelSpeed(flight, {});
        sink += frame.grid[5][20].x;  // keeps the work observable
    }
    return sink > 1e30f ? 1 : 0;
}
