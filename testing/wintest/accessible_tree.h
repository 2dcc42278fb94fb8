// Reading a window's accessible object (Active Accessibility) from the test's process, as a
// screen reader does across processes: the children of its client object with their names,
// roles, states, values, places and default actions, and asking for a child's default action.
// Win32 only.
#pragma once
#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace wintest {

// COM on the test's thread for as long as it lives.
class ComThread {
  public:
    ComThread();
    ~ComThread();
    ComThread(const ComThread&) = delete;
    ComThread& operator=(const ComThread&) = delete;

  private:
    bool started_ = false;
};

struct AccessibleChild {
    long childId = 0;
    std::wstring name;
    long role = 0;
    long state = 0;
    std::wstring value;
    std::wstring defaultAction;
    RECT place{};  // on the screen
};

// Every child of the window's client object; nothing when the window gives no object.
std::optional<std::vector<AccessibleChild>> ReadAccessibleChildren(HWND window);
// The client object itself (child id 0): its name, role and place.
std::optional<AccessibleChild> ReadAccessibleClient(HWND window);
// The child's state, re-read now; nothing when it cannot be read.
std::optional<long> AccessibleStateOf(HWND window, long childId);
// Asks the child for its default action; the object's answer (S_OK when it took it).
HRESULT DoAccessibleDefaultAction(HWND window, long childId);

// A role and a state as a screen reader's log shows them ("push button", "focusable checked").
std::string RoleText(long role);
std::string StateText(long state);

}  // namespace wintest
