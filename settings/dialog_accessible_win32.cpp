// The settings dialog's IAccessible; see dialog_accessible_win32.h. Every answer comes from
// AccessibleParts at the moment of the question; this file only translates.
#include "settings/dialog_accessible_win32.h"

#include <oleacc.h>

#include <utility>

namespace settings {

namespace {

LONG ChildIdOf(DialogPart part) { return static_cast<LONG>(part) + 1; }

LONG RoleOf(AccessibleRole role) {
    switch (role) {
        case AccessibleRole::Grouping: return ROLE_SYSTEM_GROUPING;
        case AccessibleRole::RadioButton: return ROLE_SYSTEM_RADIOBUTTON;
        case AccessibleRole::ComboBox: return ROLE_SYSTEM_COMBOBOX;
        case AccessibleRole::PushButton: return ROLE_SYSTEM_PUSHBUTTON;
        case AccessibleRole::StaticText: return ROLE_SYSTEM_STATICTEXT;
        case AccessibleRole::Text: return ROLE_SYSTEM_TEXT;
        case AccessibleRole::Link: return ROLE_SYSTEM_LINK;
    }
    return ROLE_SYSTEM_CLIENT;
}

LONG StateOf(const AccessibleStates& s) {
    LONG state = 0;
    if (s.focusable) state |= STATE_SYSTEM_FOCUSABLE;
    if (s.focused) state |= STATE_SYSTEM_FOCUSED;
    if (s.checked) state |= STATE_SYSTEM_CHECKED;
    if (s.hot) state |= STATE_SYSTEM_HOTTRACKED;
    if (s.pressed) state |= STATE_SYSTEM_PRESSED;
    if (s.unavailable) state |= STATE_SYSTEM_UNAVAILABLE;
    if (s.readOnly) state |= STATE_SYSTEM_READONLY;
    if (s.linked) state |= STATE_SYSTEM_LINKED;
    return state;
}

// A text for the caller, who frees it; S_FALSE for none.
HRESULT TextFor(const std::wstring& text, BSTR* out) {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (text.empty()) return S_FALSE;
    *out = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    return *out ? S_OK : E_OUTOFMEMORY;
}

}  // namespace

// What the object and its owner share: the source while the dialog lives.
class AccessibleObjectLink {
  public:
    explicit AccessibleObjectLink(std::shared_ptr<const AccessibleDialogSource> source) : source_(std::move(source)) {}
    const AccessibleDialogSource* source() const { return source_.get(); }
    void Disconnect() { source_.reset(); }

  private:
    std::shared_ptr<const AccessibleDialogSource> source_;
};

namespace {

class DialogAccessible final : public IAccessible {
  public:
    DialogAccessible(std::shared_ptr<AccessibleObjectLink> link, HWND ownWindow, std::optional<DialogPart> self)
        : link_(std::move(link)), ownWindow_(ownWindow), self_(self) {}

    // IUnknown
    HRESULT STDMETHODCALLTYPE QueryInterface(REFIID id, void** out) override {
        if (!out) return E_POINTER;
        if (id == __uuidof(IUnknown) || id == __uuidof(IDispatch) || id == __uuidof(IAccessible)) {
            *out = static_cast<IAccessible*>(this);
            AddRef();
            return S_OK;
        }
        *out = nullptr;
        return E_NOINTERFACE;
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return static_cast<ULONG>(InterlockedIncrement(&references_)); }
    ULONG STDMETHODCALLTYPE Release() override {
        const LONG left = InterlockedDecrement(&references_);
        if (left == 0) delete this;
        return static_cast<ULONG>(left);
    }

    // IDispatch: screen readers call the interface's own methods.
    HRESULT STDMETHODCALLTYPE GetTypeInfoCount(UINT* count) override {
        if (count) *count = 0;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*, UINT*) override {
        return E_NOTIMPL;
    }

    // IAccessible
    HRESULT STDMETHODCALLTYPE get_accParent(IDispatch** parent) override {
        if (!parent) return E_POINTER;
        *parent = nullptr;
        if (!link_->source()) return CO_E_OBJNOTCONNECTED;
        return CreateStdAccessibleObject(ownWindow_, OBJID_WINDOW, __uuidof(IDispatch), reinterpret_cast<void**>(parent));
    }
    HRESULT STDMETHODCALLTYPE get_accChildCount(LONG* count) override {
        if (!count) return E_POINTER;
        if (!link_->source()) return CO_E_OBJNOTCONNECTED;
        *count = self_ ? 0 : kDialogPartCount;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE get_accChild(VARIANT child, IDispatch** out) override {
        if (!out) return E_POINTER;
        *out = nullptr;
        AccessiblePart part;
        const HRESULT found = Find(child, part);
        // Every part is a simple element of this object, with no object of its own.
        return found == S_OK ? S_FALSE : found;
    }
    HRESULT STDMETHODCALLTYPE get_accName(VARIANT child, BSTR* name) override {
        return Text(child, name, [](const AccessiblePart& p) { return p.name; }, &DialogAccessible::WindowTitle);
    }
    HRESULT STDMETHODCALLTYPE get_accValue(VARIANT child, BSTR* value) override {
        return Text(child, value, [](const AccessiblePart& p) { return p.value; }, nullptr);
    }
    HRESULT STDMETHODCALLTYPE get_accDescription(VARIANT child, BSTR* text) override {
        return Text(child, text, [](const AccessiblePart&) { return std::wstring(); }, nullptr);
    }
    HRESULT STDMETHODCALLTYPE get_accRole(VARIANT child, VARIANT* role) override {
        if (!role) return E_POINTER;
        VariantInit(role);
        if (IsWholeDialog(child)) return Answer(role, ROLE_SYSTEM_DIALOG);
        AccessiblePart part;
        const HRESULT found = Find(child, part);
        return found == S_OK ? Answer(role, RoleOf(part.role)) : found;
    }
    HRESULT STDMETHODCALLTYPE get_accState(VARIANT child, VARIANT* state) override {
        if (!state) return E_POINTER;
        VariantInit(state);
        if (IsWholeDialog(child)) {
            if (!link_->source()) return CO_E_OBJNOTCONNECTED;
            return Answer(state, GetFocus() == ownWindow_ ? STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_FOCUSED : STATE_SYSTEM_FOCUSABLE);
        }
        AccessiblePart part;
        const HRESULT found = Find(child, part);
        return found == S_OK ? Answer(state, StateOf(part.states)) : found;
    }
    HRESULT STDMETHODCALLTYPE get_accHelp(VARIANT, BSTR* help) override {
        if (help) *help = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accHelpTopic(BSTR* file, VARIANT, LONG* topic) override {
        if (file) *file = nullptr;
        if (topic) *topic = 0;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accKeyboardShortcut(VARIANT, BSTR* shortcut) override {
        // NOTE: no key works a part of the dialog; Tab only moves the focus.
        if (shortcut) *shortcut = nullptr;
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accFocus(VARIANT* focus) override {
        if (!focus) return E_POINTER;
        VariantInit(focus);
        const AccessibleDialogSource* source = link_->source();
        if (!source) return CO_E_OBJNOTCONNECTED;
        for (const AccessiblePart& part : Parts(*source)) {
            if (!part.states.focused || (self_ && part.part != *self_)) continue;
            return Answer(focus, self_ ? CHILDID_SELF : ChildIdOf(part.part));
        }
        if (GetFocus() == ownWindow_) return Answer(focus, CHILDID_SELF);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accSelection(VARIANT* selection) override {
        if (selection) VariantInit(selection);
        return S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE get_accDefaultAction(VARIANT child, BSTR* action) override {
        return Text(child, action, [](const AccessiblePart& p) { return p.defaultAction; }, nullptr);
    }
    HRESULT STDMETHODCALLTYPE accSelect(LONG, VARIANT) override { return DISP_E_MEMBERNOTFOUND; }
    HRESULT STDMETHODCALLTYPE accLocation(LONG* left, LONG* top, LONG* width, LONG* height, VARIANT child) override {
        if (!left || !top || !width || !height) return E_POINTER;
        *left = *top = *width = *height = 0;
        const AccessibleDialogSource* source = link_->source();
        if (!source) return CO_E_OBJNOTCONNECTED;
        RECT place{};
        if (IsWholeDialog(child)) {
            GetClientRect(Dialog(), &place);
        } else {
            AccessiblePart part;
            const HRESULT found = Find(child, part);
            if (found != S_OK) return found;
            place = RECT{part.place.left, part.place.top, part.place.right, part.place.bottom};
        }
        POINT origin{place.left, place.top};
        if (!ClientToScreen(Dialog(), &origin)) return E_FAIL;
        *left = origin.x;
        *top = origin.y;
        *width = place.right - place.left;
        *height = place.bottom - place.top;
        return S_OK;
    }
    HRESULT STDMETHODCALLTYPE accNavigate(LONG direction, VARIANT start, VARIANT* end) override {
        if (!end) return E_POINTER;
        VariantInit(end);
        if (!link_->source()) return CO_E_OBJNOTCONNECTED;
        if (self_ || start.vt != VT_I4) return S_FALSE;
        LONG next = 0;
        const LONG from = start.lVal;
        switch (direction) {
            case NAVDIR_FIRSTCHILD: next = from == CHILDID_SELF ? 1 : 0; break;
            case NAVDIR_LASTCHILD: next = from == CHILDID_SELF ? kDialogPartCount : 0; break;
            case NAVDIR_NEXT: case NAVDIR_DOWN: case NAVDIR_RIGHT: next = from >= 1 && from < kDialogPartCount ? from + 1 : 0; break;
            case NAVDIR_PREVIOUS: case NAVDIR_UP: case NAVDIR_LEFT: next = from > 1 && from <= kDialogPartCount ? from - 1 : 0; break;
            default: return E_INVALIDARG;
        }
        return next ? Answer(end, next) : S_FALSE;
    }
    HRESULT STDMETHODCALLTYPE accHitTest(LONG xScreen, LONG yScreen, VARIANT* hit) override {
        if (!hit) return E_POINTER;
        VariantInit(hit);
        const AccessibleDialogSource* source = link_->source();
        if (!source) return CO_E_OBJNOTCONNECTED;
        POINT point{xScreen, yScreen};
        RECT client{};
        if (!ScreenToClient(Dialog(), &point) || !GetClientRect(Dialog(), &client) || !PtInRect(&client, point)) {
            return S_FALSE;
        }
        const std::optional<DialogPart> part = PartAt(Parts(*source), point.x, point.y);
        if (self_) return part == self_ ? Answer(hit, CHILDID_SELF) : S_FALSE;
        return Answer(hit, part ? ChildIdOf(*part) : CHILDID_SELF);
    }
    HRESULT STDMETHODCALLTYPE accDoDefaultAction(VARIANT child) override {
        const AccessibleDialogSource* source = link_->source();
        if (!source) return CO_E_OBJNOTCONNECTED;
        AccessiblePart part;
        const HRESULT found = Find(child, part);
        if (found != S_OK) return IsWholeDialog(child) ? DISP_E_MEMBERNOTFOUND : found;
        if (part.defaultAction.empty()) return DISP_E_MEMBERNOTFOUND;
        return source->doDefaultAction && source->doDefaultAction(part.part) ? S_OK : E_FAIL;
    }
    HRESULT STDMETHODCALLTYPE put_accName(VARIANT, BSTR) override { return E_NOTIMPL; }
    HRESULT STDMETHODCALLTYPE put_accValue(VARIANT, BSTR) override { return E_NOTIMPL; }

  private:
    ~DialogAccessible() = default;

    // The dialog's window, in whose client area every part's place is given: this window, or
    // the top-level one a part's own window lies in.
    HWND Dialog() const { return GetAncestor(ownWindow_, GA_ROOT); }

    static std::vector<AccessiblePart> Parts(const AccessibleDialogSource& source) {
        return source.parts ? source.parts() : std::vector<AccessiblePart>{};
    }
    static HRESULT Answer(VARIANT* out, LONG value) {
        out->vt = VT_I4;
        out->lVal = value;
        return S_OK;
    }
    // The object itself: the whole dialog, unless this object stands for one part.
    bool IsWholeDialog(const VARIANT& child) const { return !self_ && child.vt == VT_I4 && child.lVal == CHILDID_SELF; }

    // The part a child id names: S_OK, E_INVALIDARG for none, disconnected after the dialog.
    HRESULT Find(const VARIANT& child, AccessiblePart& out) const {
        const AccessibleDialogSource* source = link_->source();
        if (!source) return CO_E_OBJNOTCONNECTED;
        if (child.vt != VT_I4) return E_INVALIDARG;
        std::optional<DialogPart> wanted = self_;
        if (!self_) {
            if (child.lVal < 1 || child.lVal > kDialogPartCount) return E_INVALIDARG;
            wanted = static_cast<DialogPart>(child.lVal - 1);
        } else if (child.lVal != CHILDID_SELF) {
            return E_INVALIDARG;
        }
        for (const AccessiblePart& part : Parts(*source)) {
            if (part.part == *wanted) {
                out = part;
                return S_OK;
            }
        }
        return E_INVALIDARG;
    }

    std::wstring WindowTitle() const {
        wchar_t title[128] = {};
        GetWindowTextW(ownWindow_, title, 128);
        return title;
    }

    template <typename PartText>
    HRESULT Text(const VARIANT& child, BSTR* out, PartText partText, std::wstring (DialogAccessible::*whole)() const) {
        if (!out) return E_POINTER;
        *out = nullptr;
        if (IsWholeDialog(child)) {
            if (!link_->source()) return CO_E_OBJNOTCONNECTED;
            return whole ? TextFor((this->*whole)(), out) : S_FALSE;
        }
        AccessiblePart part;
        const HRESULT found = Find(child, part);
        return found == S_OK ? TextFor(partText(part), out) : found;
    }

    LONG references_ = 1;
    std::shared_ptr<AccessibleObjectLink> link_;
    HWND ownWindow_;
    std::optional<DialogPart> self_;
};

}  // namespace

AccessibleDialogObject::AccessibleDialogObject(std::shared_ptr<const AccessibleDialogSource> source,
                                               std::optional<DialogPart> self)
    : self_(self) {
    // NOTE: handing the object to another process marshals it through COM, which must be
    // started on the dialog's thread; a thread that already started it keeps its own mode.
    const HRESULT started = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    comStarted_ = SUCCEEDED(started);
    link_ = std::make_shared<AccessibleObjectLink>(std::move(source));
}

AccessibleDialogObject::~AccessibleDialogObject() {
    link_->Disconnect();
    if (object_) {
        // A reader in another process still holding it gets "disconnected" from now on.
        CoDisconnectObject(object_, 0);
        object_->Release();
    }
    if (comStarted_) CoUninitialize();
}

LRESULT AccessibleDialogObject::Answer(HWND ownWindow, WPARAM flags, LPARAM objectId) {
    if (static_cast<LONG>(objectId) != static_cast<LONG>(OBJID_CLIENT)) return 0;
    if (!object_) object_ = static_cast<IAccessible*>(new DialogAccessible(link_, ownWindow, self_));
    // WINE: mingw's IID_IAccessible is an import thunk, not the GUID; __uuidof gives the GUID.
    const LRESULT answer = LresultFromObject(__uuidof(IAccessible), flags, object_);
    return answer > 0 ? answer : 0;
}

bool NameSystemWindow(HWND window, const std::wstring& name) {
    // NOTE: the GUIDs are spelled out: mingw's imported ones are thunks, not GUIDs (as for
    // IID_IAccessible).
    static constexpr CLSID kAccPropServices{0xb5f8350b, 0x0548, 0x48b1, {0xa6, 0xee, 0x88, 0xbd, 0x00, 0xb4, 0xa5, 0xe7}};
    static constexpr IID kIAccPropServices{0x6e26e776, 0x04f0, 0x495d, {0x80, 0xe4, 0x33, 0x30, 0x35, 0x2e, 0x31, 0x69}};
    static constexpr GUID kNameProperty{0x608d3df8, 0x8128, 0x4aa7, {0xa4, 0x28, 0xf5, 0x5e, 0x49, 0x26, 0x72, 0x91}};
    if (!window) return false;
    IAccPropServices* services = nullptr;
    if (FAILED(CoCreateInstance(kAccPropServices, nullptr, CLSCTX_INPROC_SERVER, kIAccPropServices,
                                reinterpret_cast<void**>(&services))) || !services) {
        return false;
    }
    const HRESULT named = services->SetHwndPropStr(window, static_cast<DWORD>(OBJID_CLIENT), CHILDID_SELF,
                                                   kNameProperty, name.c_str());
    services->Release();
    return SUCCEEDED(named);
}

void AnnounceAccessibleEvents(HWND dialog, const std::vector<AccessibleEvent>& events) {
    for (const AccessibleEvent& event : events) {
        DWORD kind = EVENT_OBJECT_FOCUS;
        switch (event.kind) {
            case AccessibleEvent::Kind::Focus: kind = EVENT_OBJECT_FOCUS; break;
            case AccessibleEvent::Kind::StateChange: kind = EVENT_OBJECT_STATECHANGE; break;
            case AccessibleEvent::Kind::Selection: kind = EVENT_OBJECT_SELECTION; break;
            case AccessibleEvent::Kind::ValueChange: kind = EVENT_OBJECT_VALUECHANGE; break;
        }
        NotifyWinEvent(kind, dialog, OBJID_CLIENT, ChildIdOf(event.part));
    }
}

}  // namespace settings
