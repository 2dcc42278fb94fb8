// See payload_win32.h. Win32 only.
#include "setup/payload_win32.h"

#include <windows.h>

namespace setup {

namespace {

PayloadBytes Resource(int number) {
    HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(number), MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    if (!found) return {};
    HGLOBAL loaded = LoadResource(nullptr, found);
    const void* data = loaded ? LockResource(loaded) : nullptr;
    if (!data) return {};
    return {data, SizeofResource(nullptr, found)};
}

std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

}  // namespace

Payloads::Payloads(const std::wstring& selfPath) : self_(ReadWholeFile(selfPath)) {}

PayloadBytes Payloads::Get(Payload payload) const {
    switch (payload) {
        case Payload::Saver: return Resource(kSaverResource);
        case Payload::Renderer: return Resource(kRendererResource);
        case Payload::Setup: return self_.empty() ? PayloadBytes{} : PayloadBytes{self_.data(), self_.size()};
    }
    return {};
}

uint64_t Payloads::TotalSize() const {
    return Get(Payload::Saver).size + Get(Payload::Renderer).size + Get(Payload::Setup).size;
}

}  // namespace setup
