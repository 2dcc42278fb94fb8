// A fixed number of grid steps, for counting instructions per frame under callgrind
// (see count_grid_instructions.sh):  tunnel_grid_frames per-ring|per-vertex FRAMES
#include <cstdlib>
#include <cstring>

#include "flight.h"
#include "tunnel_geometry.h"

int main(int argc, char** argv) {
    if (argc != 3) return 2;
    const bool perVertex = std::strcmp(argv[1], "per-vertex") == 0;
    const int frames = std::atoi(argv[2]);
    tunnel::Flight flight;
    tunnel::ResetTunnelAnimation(flight);
    static tunnel::TunnelFrame frame;
    float sink = 0;
    for (int n = 0; n < frames; ++n) {
        const double time = tunnel::AdvanceTunnelTime(flight);
        if (perVertex) {
            tunnel::ComputeTunnelGridDirect(time, frame);
        } else {
            tunnel::ComputeTunnelFrame(time, frame);
        }
        tunnel::StepTunnelSpeed(flight, {});
        sink += frame.grid[5][20].x;  // keeps the work observable
    }
    return sink > 1e30f ? 1 : 0;
}
