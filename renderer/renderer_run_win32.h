// RunRenderer: the whole run of the tunnel program, from opening its window to closing it.
#pragma once

namespace renderer {

void RunRenderer();

}  // namespace renderer
