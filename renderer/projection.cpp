// Viewport and aspect from a window size; the division is done in double precision.
#include "renderer/projection.h"

namespace renderer {

ProjectionShape ProjectionFor(int32_t width, int32_t height) {
    if (height == 0) height = 1;
    ProjectionShape shape;
    shape.viewportWidth = width;
    shape.viewportHeight = height;
    shape.aspect = static_cast<double>(width) / static_cast<double>(height);
    return shape;
}

}  // namespace renderer
