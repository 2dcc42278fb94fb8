// See system_state_win32.h. Win32 only.
#include "setup/system_state_win32.h"

#include <windows.h>
#include <shlobj.h>

#include <vector>

#include "common/exchange_names.h"
#include "setup/registry_win32.h"
#include "setup/text_fold.h"

namespace setup {

namespace {

constexpr wchar_t kParkedPrefix[] = L"Vaporquill-Setup-uninstall-";

bool Exists(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::vector<std::wstring> EntriesOf(const std::wstring& folder, const std::wstring& pattern = L"*") {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\" + pattern).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name != L"." && name != L"..") names.push_back(name);
    } while (FindNextFileW(search, &found));
    FindClose(search);
    return names;
}

std::wstring TempFolder() {
    wchar_t buffer[MAX_PATH + 1] = {};
    const DWORD length = GetTempPathW(MAX_PATH + 1, buffer);
    if (length == 0 || length > MAX_PATH) return L"";
    std::wstring folder(buffer, length);
    while (!folder.empty() && folder.back() == L'\\') folder.pop_back();
    return folder;
}

std::wstring VolumeOf(const std::wstring& path) {
    wchar_t volume[MAX_PATH + 1] = {};
    return GetVolumePathNameW(path.c_str(), volume, MAX_PATH + 1) ? volume : L"";
}

}  // namespace

std::wstring SelfPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        const DWORD length = GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) return L"";
        if (length < buffer.size()) break;
        buffer.resize(buffer.size() * 2);
    }
    // Started by a short path, the program still recognises itself as the installed one.
    std::vector<wchar_t> longPath(32768);
    const DWORD length = GetLongPathNameW(buffer.data(), longPath.data(), static_cast<DWORD>(longPath.size()));
    return length > 0 && length < longPath.size() ? std::wstring(longPath.data(), length) : std::wstring(buffer.data());
}

std::wstring LocalAppDataFolder() {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path)) && path) folder = path;
    CoTaskMemFree(path);
    return folder;
}

bool SaverWindowOpen() {
    for (const char* title : {common::kSaverFormTitle, common::kSettingsDialogTitle, common::kRendererWindowTitle}) {
        if (FindWindowA(nullptr, title)) return true;
    }
    return false;
}

std::wstring ShortPathOf(const std::wstring& path) {
    std::vector<wchar_t> buffer(32768);
    const DWORD length = GetShortPathNameW(path.c_str(), buffer.data(), static_cast<DWORD>(buffer.size()));
    return length > 0 && length < buffer.size() ? std::wstring(buffer.data(), length) : L"";
}

AnsiCharacterTest AnsiCodePageTest() {
    return [](wchar_t c) {
        char bytes[8];
        BOOL usedDefault = FALSE;
        const int length = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof bytes, nullptr, &usedDefault);
        return length > 0 && !usedDefault;
    };
}

ObservedState ObserveState(const InstallLayout& layout, const std::wstring& selfPath) {
    ObservedState state;
    state.layout = layout;
    state.selfPath = selfPath;
    state.programsFolderExists = Exists(layout.programsFolder);
    state.folderExists = Exists(layout.folder);
    if (state.folderExists) state.folderEntries = EntriesOf(layout.folder);
    const std::wstring exchange(common::kExchangeFolder, common::kExchangeFolder + sizeof(common::kExchangeFolder) - 1);
    state.exchangeFolderExists = Exists(exchange);
    if (state.exchangeFolderExists) state.exchangeEntries = EntriesOf(exchange);
    if (auto desktop = RegistryKeyHandle::Open(kDesktopKey, KEY_QUERY_VALUE)) {
        const auto text = [&](const wchar_t* name) -> std::optional<std::wstring> {
            const auto value = ReadValue(desktop->get(), name);
            if (!value || value->type != RegistryValue::Type::Text) return std::nullopt;
            return value->text;
        };
        state.desktop = SaverChoice{text(L"SCRNSAVE.EXE"), text(L"ScreenSaveActive")};
    }
    if (Exists(layout.saver)) state.saverShortPath = ShortPathOf(layout.saver);
    if (auto entry = RegistryKeyHandle::Open(kEntryKey, KEY_QUERY_VALUE)) {
        state.entry.exists = true;
        state.entry.values = ReadAllValues(entry->get());
    }
    return state;
}

std::wstring ParkingPathFor(const InstallLayout& layout) {
    const std::wstring name = kParkedPrefix + std::to_wstring(GetCurrentProcessId()) + L".exe";
    const std::wstring temp = TempFolder();
    if (!temp.empty() && Exists(temp) && EqualIgnoringAsciiCase(VolumeOf(temp), VolumeOf(layout.folder))) return temp + L"\\" + name;
    return layout.programsFolder + L"\\" + name;
}

void DeleteEndedParkedCopies(const InstallLayout& layout) {
    for (const std::wstring& folder : {TempFolder(), layout.programsFolder}) {
        if (folder.empty()) continue;
        for (const std::wstring& name : EntriesOf(folder, std::wstring(kParkedPrefix) + L"*.exe")) {
            // Skipped by design: a copy that still runs cannot be deleted and is left for the next run.
            DeleteFileW((folder + L"\\" + name).c_str());
        }
    }
}

}  // namespace setup
