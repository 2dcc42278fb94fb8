// One message taken from the thread's queue and handled, if one is there: the renderer's loop
// answers input between frames one message at a time, so a frame is never long overdue.
#pragma once
#include <windows.h>

namespace renderer {

enum class QueuedMessage { None, Handled, Quit };

inline QueuedMessage HandleOneQueuedMessage() {
    MSG message;
    if (!PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return QueuedMessage::None;
    if (message.message == WM_QUIT) return QueuedMessage::Quit;
    TranslateMessage(&message);
    DispatchMessageA(&message);
    return QueuedMessage::Handled;
}

}  // namespace renderer
