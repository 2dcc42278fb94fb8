// The viewport and aspect ratio for a window size, decided apart from the GL calls that
// apply them. Portable.
#pragma once
#include <cstdint>

namespace renderer {

struct ProjectionShape {
    int32_t viewportWidth = 0;
    int32_t viewportHeight = 0;
    double aspect = 1.0;  // width / height, for the perspective
};

// A height of 0 (a minimised or collapsed window) is taken as 1, so the aspect stays finite.
ProjectionShape ProjectionFor(int32_t width, int32_t height);

}  // namespace renderer
