// Accessible trees across processes; see accessible_tree.h.
#include "testing/wintest/accessible_tree.h"

#include <oleacc.h>

#include "testing/wintest/wintest.h"

namespace wintest {

namespace {

// An interface pointer released at the end of its scope.
template <typename Interface>
class ComRef {
  public:
    ComRef() = default;
    ~ComRef() {
        if (p) p->Release();
    }
    ComRef(const ComRef&) = delete;
    ComRef& operator=(const ComRef&) = delete;
    Interface* p = nullptr;
};

std::wstring Taken(BSTR text) {
    std::wstring result = text ? std::wstring(text, SysStringLen(text)) : std::wstring();
    if (text) SysFreeString(text);
    return result;
}

bool ClientObject(HWND window, ComRef<IAccessible>& object) {
    // WINE: __uuidof gives the GUID; mingw's IID_IAccessible is an import thunk.
    return SUCCEEDED(AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                                reinterpret_cast<void**>(&object.p))) &&
           object.p;
}

VARIANT Child(long id) {
    VARIANT child;
    VariantInit(&child);
    child.vt = VT_I4;
    child.lVal = id;
    return child;
}

AccessibleChild Read(IAccessible& object, long id) {
    AccessibleChild read;
    read.childId = id;
    const VARIANT child = Child(id);
    BSTR text = nullptr;
    if (object.get_accName(child, &text) == S_OK) read.name = Taken(text);
    text = nullptr;
    if (object.get_accValue(child, &text) == S_OK) read.value = Taken(text);
    text = nullptr;
    if (object.get_accDefaultAction(child, &text) == S_OK) read.defaultAction = Taken(text);
    VARIANT answer;
    VariantInit(&answer);
    if (SUCCEEDED(object.get_accRole(child, &answer)) && answer.vt == VT_I4) read.role = answer.lVal;
    VariantInit(&answer);
    if (SUCCEEDED(object.get_accState(child, &answer)) && answer.vt == VT_I4) read.state = answer.lVal;
    LONG left = 0, top = 0, width = 0, height = 0;
    if (SUCCEEDED(object.accLocation(&left, &top, &width, &height, child))) {
        read.place = RECT{left, top, left + width, top + height};
    }
    return read;
}

}  // namespace

ComThread::ComThread() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) {}
ComThread::~ComThread() {
    if (started_) CoUninitialize();
}

std::optional<std::vector<AccessibleChild>> ReadAccessibleChildren(HWND window) {
    ComRef<IAccessible> object;
    if (!ClientObject(window, object)) return std::nullopt;
    LONG count = 0;
    if (FAILED(object.p->get_accChildCount(&count))) return std::nullopt;
    std::vector<AccessibleChild> children;
    for (long id = 1; id <= count; ++id) children.push_back(Read(*object.p, id));
    return children;
}

std::optional<AccessibleChild> ReadAccessibleClient(HWND window) {
    ComRef<IAccessible> object;
    if (!ClientObject(window, object)) return std::nullopt;
    return Read(*object.p, CHILDID_SELF);
}

std::optional<long> AccessibleStateOf(HWND window, long childId) {
    ComRef<IAccessible> object;
    if (!ClientObject(window, object)) return std::nullopt;
    VARIANT state;
    VariantInit(&state);
    if (FAILED(object.p->get_accState(Child(childId), &state)) || state.vt != VT_I4) return std::nullopt;
    return state.lVal;
}

HRESULT DoAccessibleDefaultAction(HWND window, long childId) {
    ComRef<IAccessible> object;
    if (!ClientObject(window, object)) return E_NOINTERFACE;
    return object.p->accDoDefaultAction(Child(childId));
}

std::string RoleText(long role) {
    wchar_t text[128] = {};
    if (GetRoleTextW(static_cast<DWORD>(role), text, 128) == 0) return "role " + std::to_string(role);
    return Utf8(text);
}

std::string StateText(long state) {
    std::string text;
    for (long bit = 1; bit != 0 && bit <= STATE_SYSTEM_HASPOPUP; bit <<= 1) {
        if (!(state & bit)) continue;
        wchar_t name[128] = {};
        GetStateTextW(static_cast<DWORD>(bit), name, 128);
        if (!text.empty()) text += ", ";
        text += Utf8(name);
    }
    return text.empty() ? "normal" : text;
}

}  // namespace wintest
