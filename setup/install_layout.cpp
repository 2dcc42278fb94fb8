// See install_layout.h. Portable.
#include "setup/install_layout.h"

#include "common/exchange_names.h"

namespace setup {

namespace {

bool IsAbsolute(const std::wstring& path) {
    const bool drive = path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
                       path[1] == L':' && path[2] == L'\\';
    const bool share = path.size() >= 3 && path[0] == L'\\' && path[1] == L'\\' && path[2] != L'\\';
    return drive || share;
}

// The renderer's file name as the front end spells it ("\Vaporquill.dll"), without the
// separator; its characters are ASCII.
std::wstring RendererFileName() {
    std::wstring name;
    for (const char* c = common::kRendererFileName + 1; *c; ++c) name += static_cast<wchar_t>(*c);
    return name;
}

}  // namespace

std::optional<InstallLayout> LayoutFor(const std::wstring& localAppData) {
    std::wstring base = localAppData;
    while (base.size() > 3 && base.back() == L'\\') base.pop_back();
    if (!IsAbsolute(base) || base.find(L'/') != std::wstring::npos) return std::nullopt;
    if (base.back() != L'\\') base += L'\\';
    InstallLayout layout;
    layout.programsFolder = base + L"Programs";
    layout.folder = layout.programsFolder + L"\\Vaporquill";
    layout.saver = layout.folder + L"\\" + kSaverFileName;
    layout.renderer = layout.folder + L"\\" + RendererFileName();
    layout.setup = layout.folder + L"\\" + kSetupFileName;
    layout.settings = layout.folder + L"\\" + kSettingsFileName;
    return layout;
}

std::wstring UninstallCommand(const InstallLayout& layout, bool quiet) {
    return L"\"" + layout.setup + L"\" /uninstall" + (quiet ? L" /quiet" : L"");
}

std::wstring DisplayIcon(const InstallLayout& layout) { return layout.saver + L",0"; }

}  // namespace setup
