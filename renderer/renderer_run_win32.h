// RunRenderer: the whole run of the tunnel program, from opening its window to closing it.
#pragma once

namespace renderer {

// The program's exit code: 0, or 1 when the texture file yielded no pixels (the user has been
// told). A window that could not be opened ends the run at once, silently, with 0.
int RunRenderer();

}  // namespace renderer
