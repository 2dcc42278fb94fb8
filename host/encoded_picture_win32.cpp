// The system's picture loader; see encoded_picture_win32.h.
#include "host/encoded_picture_win32.h"

#include <ole2.h>
#include <olectl.h>

#include <climits>
#include <cstring>

#include "host/dib_section_win32.h"
#include "host/handle_widening.h"

namespace host {

namespace {

// COM for the loader while it runs: the loader may create its decoder through COM.
class ComScope {
  public:
    ComScope() : result_(CoInitialize(nullptr)) {}
    ~ComScope() { if (SUCCEEDED(result_)) CoUninitialize(); }
    ComScope(const ComScope&) = delete;
    ComScope& operator=(const ComScope&) = delete;

  private:
    HRESULT result_;
};

template <class Interface>
class Released {  // one reference of a COM interface, released when it goes
  public:
    Released() = default;
    ~Released() { if (pointer_) pointer_->Release(); }
    Released(const Released&) = delete;
    Released& operator=(const Released&) = delete;
    Interface** out() { return &pointer_; }
    Interface* get() const { return pointer_; }
    Interface* operator->() const { return pointer_; }
    explicit operator bool() const { return pointer_ != nullptr; }

  private:
    Interface* pointer_ = nullptr;
};

// A stream over a movable copy of the bytes; the stream frees the copy when it is released.
bool StreamOverCopy(const void* bytes, size_t size, IStream** stream) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    if (!memory) return false;
    void* copy = GlobalLock(memory);
    if (!copy) {
        GlobalFree(memory);
        return false;
    }
    std::memcpy(copy, bytes, size);
    GlobalUnlock(memory);
    if (FAILED(CreateStreamOnHGlobal(memory, TRUE, stream))) {
        GlobalFree(memory);
        return false;
    }
    return true;
}

}  // namespace

DecodedBitmap DecodeWithSystemLoader(const void* bytes, size_t size) {
    if (!bytes || size == 0 || size > static_cast<size_t>(LONG_MAX)) return {};
    ComScope com;
    Released<IStream> stream;
    if (!StreamOverCopy(bytes, size, stream.out())) return {};
    Released<IPicture> picture;
    if (FAILED(OleLoadPicture(stream.get(), static_cast<LONG>(size), FALSE, IID_IPicture,
                              reinterpret_cast<void**>(picture.out()))) ||
        !picture) {
        return {};
    }
    SHORT type = PICTYPE_UNINITIALIZED;
    OLE_HANDLE handle = 0;
    OLE_XSIZE_HIMETRIC widthHimetric = 0;
    OLE_YSIZE_HIMETRIC heightHimetric = 0;
    if (FAILED(picture->get_Type(&type)) || type != PICTYPE_BITMAP || FAILED(picture->get_Handle(&handle)) ||
        FAILED(picture->get_Width(&widthHimetric)) || FAILED(picture->get_Height(&heightHimetric))) {
        return {};
    }
    // The natural size in pixels is the loader's own bitmap's; its size in HIMETRIC depends on
    // the screen's resolution and is used only to address the whole picture when rendering.
    BITMAP loaded{};
    if (!GetObjectA(reinterpret_cast<HBITMAP>(WidenedHandle(handle)), sizeof(loaded), &loaded) ||
        loaded.bmWidth <= 0 || loaded.bmHeight <= 0) {
        return {};
    }
    DecodedBitmap decoded{MakeDibSection(loaded.bmWidth, loaded.bmHeight).bitmap, loaded.bmWidth, loaded.bmHeight};
    if (!decoded.bitmap.get()) return {};
    common::MemoryDc target(nullptr);
    bool drawn = target.get() != nullptr;
    if (drawn) {
        common::SelectedObject selected(target.get(), decoded.bitmap.get());
        // HIMETRIC runs upward: the source starts at the bottom edge with a negative height.
        drawn = SUCCEEDED(picture->Render(target.get(), 0, 0, decoded.widthPx, decoded.heightPx, 0, heightHimetric,
                                          widthHimetric, -heightHimetric, nullptr));
        GdiFlush();
    }
    if (!drawn) return {};  // the section goes with decoded
    return decoded;
}

}  // namespace host
