// ReadBitmapFile over a Win32 file handle, opened for reading and shared for reading only,
// so nobody rewrites the texture while it is being read.
#include "renderer/bmp_file_win32.h"

#include <windows.h>

namespace renderer {
namespace {

constexpr const char* kBmpCaption = "BMP Unit";

class FileSource : public renderer::ByteSource {
  public:
    explicit FileSource(const std::string& path)
        : file_(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr)) {}
    ~FileSource() override {
        if (opened()) CloseHandle(file_);
    }
    FileSource(const FileSource&) = delete;
    FileSource& operator=(const FileSource&) = delete;
    bool opened() const { return file_ != INVALID_HANDLE_VALUE; }

    size_t Read(uint8_t* destination, size_t count) override {
        // ReadFile takes a 32-bit count; the reader never asks for more than 48 MiB at once.
        DWORD got = 0;
        const DWORD want = count > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<DWORD>(count);
        if (!ReadFile(file_, destination, want, &got, nullptr)) return 0;
        return got;
    }

  private:
    HANDLE file_;
};

void ShowBmpMessage(const std::string& text) { MessageBoxA(nullptr, text.c_str(), kBmpCaption, MB_OK); }

}  // namespace

renderer::BitmapRead ReadBitmapFile(const std::string& path) {
    FileSource file(path);
    if (!file.opened()) {
        // The opening quotation mark has no partner: the message reads as it always has.
        ShowBmpMessage("Error opening \"" + path);
        return {};
    }
    renderer::BitmapRead read = renderer::ReadBitmap(file);
    switch (read.outcome) {
        case renderer::BitmapOutcome::PaletteShort:
            ShowBmpMessage("Error reading palette");
            break;
        case renderer::BitmapOutcome::PixelDataShort:
            // Skipped by design: the texture is still built from what arrived (the rest is zero).
            ShowBmpMessage("Error reading bitmap data");
            break;
        case renderer::BitmapOutcome::Loaded:
        case renderer::BitmapOutcome::Rejected:
            break;
    }
    return read;
}

}  // namespace renderer
