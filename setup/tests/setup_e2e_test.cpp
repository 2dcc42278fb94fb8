// Vaporquill-Setup under Wine with code page 932, in the prefix the other tests share: a quiet
// install into the user's own folders (files, registry, the list entry) whose saver then runs
// from there and keeps its settings there; an upgrade that keeps the settings file; a quiet
// uninstall, by the entry's own command, that brings back the saver chosen before; a user
// folder with a blank and Japanese; the message of a normal install; and
// an install refused while the saver runs. Every test leaves the prefix as it found it.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

#include "testing/wintest/relay_trace.h"
#include "testing/wintest/wintest.h"

namespace {

// Generous bounds for a slow, loaded machine.
constexpr DWORD kSetupEndsMs = 60000;
constexpr DWORD kWindowAppearsMs = 30000;
constexpr DWORD kProgramEndsMs = 30000;

const wchar_t* const kDesktopKey = L"Control Panel\\Desktop";
const wchar_t* const kEntryKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vaporquill";
const wchar_t* const kShellFoldersKey = L"Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\User Shell Folders";
const wchar_t* const kPlantedSaver = L"C:\\windows\\system32\\planted.scr";

// --- The user's registry ---------------------------------------------------------------------

std::optional<std::wstring> ReadText(const wchar_t* key, const wchar_t* name) {
    wchar_t value[2048] = {};
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ | RRF_RT_REG_EXPAND_SZ | RRF_NOEXPAND, nullptr, value,
                     &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return std::wstring(value);
}

std::optional<DWORD> ReadNumber(const wchar_t* key, const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_DWORD, nullptr, &value, &size) != ERROR_SUCCESS) {
        return std::nullopt;
    }
    return value;
}

void WriteText(const wchar_t* key, const wchar_t* name, const std::optional<std::wstring>& text, DWORD type = REG_SZ) {
    HKEY opened = nullptr;
    if (RegCreateKeyExW(HKEY_CURRENT_USER, key, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &opened, nullptr) != ERROR_SUCCESS) {
        ADD_FAILURE() << "cannot open a key to write";
        return;
    }
    if (text) {
        RegSetValueExW(opened, name, 0, type, reinterpret_cast<const BYTE*>(text->c_str()),
                       static_cast<DWORD>((text->size() + 1) * sizeof(wchar_t)));
    } else {
        RegDeleteValueW(opened, name);
    }
    RegCloseKey(opened);
}

bool KeyExists(const wchar_t* key) {
    HKEY opened = nullptr;
    if (RegOpenKeyExW(HKEY_CURRENT_USER, key, 0, KEY_READ, &opened) != ERROR_SUCCESS) return false;
    RegCloseKey(opened);
    return true;
}

// --- Files and programs, by wide path ------------------------------------------------------

std::optional<std::string> ReadWide(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return std::nullopt;
    std::string bytes;
    char chunk[65536];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

bool ExistsWide(const std::wstring& path) { return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

std::wstring LocalAppData() {
    wchar_t* path = nullptr;
    std::wstring folder;
    if (SUCCEEDED(SHGetKnownFolderPath(FOLDERID_LocalAppData, 0, nullptr, &path))) folder = path;
    CoTaskMemFree(path);
    return folder;
}

std::wstring SetupPath() { return wintest::Widen(wintest::DistDir()) + L"\\Vaporquill-Setup.exe"; }

using wintest::OpenedProcess;

// Programs are started by their command line in the ANSI code page (932 holds every path here).
std::optional<wintest::ChildProcess> Start(const std::wstring& commandLine) {
    return wintest::ChildProcess::Start(wintest::Narrow(commandLine));
}

// The exit code of a quiet run, or 0xFFFF when it did not end.
DWORD RunQuiet(const std::wstring& commandLine) {
    auto setup = Start(commandLine);
    EXPECT_TRUE(setup.has_value());
    if (!setup) return 0xFFFF;
    const auto code = setup->WaitExit(kSetupEndsMs);
    EXPECT_TRUE(code.has_value()) << "setup did not end: " << wintest::Utf8(commandLine);
    return code.value_or(0xFFFF);
}

int BrightPixels(const wintest::Screenshot& shot) {
    int bright = 0;
    for (int y = 0; y < shot.height; y += 16) {
        for (int x = 0; x < shot.width; x += 16) {
            const uint32_t rgb = shot.Pixel(x, y);
            if (((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF) > 3 * 96) ++bright;
        }
    }
    return bright;
}

class SetupE2e : public testing::Test {
  protected:
    void SetUp() override {
        ASSERT_EQ(GetACP(), 932u) << "the test must run under code page 932";
        ASSERT_TRUE(ExistsWide(SetupPath())) << "no setup program in dist/";
        savedSaver_ = ReadText(kDesktopKey, L"SCRNSAVE.EXE");
        savedActive_ = ReadText(kDesktopKey, L"ScreenSaveActive");
        savedTimeout_ = ReadText(kDesktopKey, L"ScreenSaveTimeOut");
        programsExisted_ = ExistsWide(LocalAppData() + L"\\Programs");
        savedLocal_ = ReadText(kShellFoldersKey, L"Local AppData");
        ASSERT_FALSE(KeyExists(kEntryKey)) << "an earlier run left Vaporquill installed";
    }
    void TearDown() override {
        if (KeyExists(kEntryKey)) RunQuiet(L"\"" + folder() + L"\\Vaporquill-Setup.exe\" /uninstall /quiet");
        WriteText(kDesktopKey, L"SCRNSAVE.EXE", savedSaver_);
        WriteText(kDesktopKey, L"ScreenSaveActive", savedActive_);
        WriteText(kDesktopKey, L"ScreenSaveTimeOut", savedTimeout_);
        WriteText(kShellFoldersKey, L"Local AppData", savedLocal_, REG_EXPAND_SZ);
        // The users' shared program folder, when setup made it for this test (empty by now).
        if (!programsExisted_) RemoveDirectoryW((LocalAppData() + L"\\Programs").c_str());
        // The last uninstaller's parked copy, which only a later run would delete.
        wchar_t temp[MAX_PATH + 1] = {};
        GetTempPathW(MAX_PATH + 1, temp);
        WIN32_FIND_DATAW found;
        HANDLE search = FindFirstFileW((std::wstring(temp) + L"Vaporquill-Setup-uninstall-*.exe").c_str(), &found);
        if (search != INVALID_HANDLE_VALUE) {
            do DeleteFileW((std::wstring(temp) + found.cFileName).c_str());
            while (FindNextFileW(search, &found));
            FindClose(search);
        }
        if (!userRoot_.empty()) wintest::DeleteTree(wintest::Narrow(userRoot_));
    }

    // Gives the user a local application-data folder of the test's choosing, under `root`.
    void UseLocalAppData(const std::wstring& root, const std::wstring& path) {
        userRoot_ = root;
        wintest::DeleteTree(wintest::Narrow(root));
        ASSERT_EQ(SHCreateDirectoryExW(nullptr, path.c_str(), nullptr), ERROR_SUCCESS);
        WriteText(kShellFoldersKey, L"Local AppData", path, REG_EXPAND_SZ);
        ASSERT_EQ(LocalAppData(), path) << "the known folder does not follow the shell folders";
    }

    std::wstring folder() const { return LocalAppData() + L"\\Programs\\Vaporquill"; }
    std::wstring installed(const wchar_t* name) const { return folder() + L"\\" + name; }

    void ExpectThePairFromDist() {
        EXPECT_EQ(ReadWide(installed(L"Vaporquill.scr")), wintest::ReadFileBytes(wintest::DistDir() + "\\Vaporquill.scr"));
        EXPECT_EQ(ReadWide(installed(L"Vaporquill.dll")), wintest::ReadFileBytes(wintest::DistDir() + "\\Vaporquill.dll"));
    }

    // The saver as the system starts it: the chosen SCRNSAVE.EXE value with /s. Its flight
    // shows, from the renderer beside it; Escape ends both.
    void ExpectTheChosenSaverFlies() {
        const auto chosen = ReadText(kDesktopKey, L"SCRNSAVE.EXE");
        ASSERT_TRUE(chosen.has_value());
        ASSERT_LT(BrightPixels(wintest::CaptureScreen()), 200) << "the screen is bright before the flight";
        auto saver = Start(L"\"" + *chosen + L"\" /s");
        ASSERT_TRUE(saver.has_value()) << wintest::Utf8(*chosen);
        const HWND renderer = wintest::WaitForWindow("Cirrovance_Tunnel", kWindowAppearsMs);
        ASSERT_NE(renderer, nullptr) << "no flight from " << wintest::Utf8(*chosen);
        OpenedProcess rendererProcess(wintest::WindowProcessId(renderer));
        EXPECT_EQ(_wcsicmp(rendererProcess.ImagePath().c_str(), installed(L"Vaporquill.dll").c_str()), 0)
            << wintest::Utf8(rendererProcess.ImagePath());
        // The clouds are bright; the screen before them was black.
        EXPECT_TRUE(wintest::PumpUntil([] { return BrightPixels(wintest::CaptureScreen()) > 200; }, kWindowAppearsMs))
            << "the flight did not appear";
        PostMessageA(renderer, WM_KEYDOWN, VK_ESCAPE, 0);
        EXPECT_TRUE(saver->WaitExit(kProgramEndsMs).has_value()) << "Escape did not end the saver";
        EXPECT_TRUE(wintest::WaitForWindowGone("Cirrovance_Tunnel", kProgramEndsMs));
    }

    std::optional<std::wstring> savedSaver_;
    std::optional<std::wstring> savedActive_;
    std::optional<std::wstring> savedLocal_;
    std::optional<std::wstring> savedTimeout_;
    bool programsExisted_ = true;
    std::wstring userRoot_;
};

TEST_F(SetupE2e, AQuietInstallPutsThePairInTheUsersFolderChoosesItAndListsIt) {
    WriteText(kDesktopKey, L"ScreenSaveTimeOut", std::wstring(L"840"));
    const std::optional<std::wstring> timeoutBefore = ReadText(kDesktopKey, L"ScreenSaveTimeOut");
    const DWORD startedAt = GetTickCount();
    ASSERT_EQ(RunQuiet(L"\"" + SetupPath() + L"\" /quiet"), 0u);
    RecordProperty("quiet_install_ms", static_cast<int>(GetTickCount() - startedAt));

    ExpectThePairFromDist();
    EXPECT_EQ(ReadWide(installed(L"Vaporquill-Setup.exe")), ReadWide(SetupPath()));
    EXPECT_FALSE(ExistsWide(installed(L"Vaporquill.ini"))) << "install writes no settings";
    EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), installed(L"Vaporquill.scr")) << "no blank: the long path";
    EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveActive"), L"1");
    EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveTimeOut"), timeoutBefore);

    EXPECT_EQ(ReadText(kEntryKey, L"DisplayName"), L"Vaporquill");
    EXPECT_EQ(ReadText(kEntryKey, L"DisplayVersion"), wintest::Widen(VQ_VERSION));
    EXPECT_EQ(ReadText(kEntryKey, L"Publisher"), L"the Vaporquill developers");
    EXPECT_EQ(ReadText(kEntryKey, L"InstallLocation"), folder());
    EXPECT_EQ(ReadText(kEntryKey, L"DisplayIcon"), installed(L"Vaporquill.scr") + L",0");
    EXPECT_EQ(ReadText(kEntryKey, L"UninstallString"), L"\"" + installed(L"Vaporquill-Setup.exe") + L"\" /uninstall");
    EXPECT_EQ(ReadText(kEntryKey, L"QuietUninstallString"),
              L"\"" + installed(L"Vaporquill-Setup.exe") + L"\" /uninstall /quiet");
    EXPECT_EQ(ReadNumber(kEntryKey, L"NoModify"), 1u);
    EXPECT_EQ(ReadNumber(kEntryKey, L"NoRepair"), 1u);
    const uint64_t bytes = ReadWide(installed(L"Vaporquill.scr"))->size() + ReadWide(installed(L"Vaporquill.dll"))->size() +
                           ReadWide(installed(L"Vaporquill-Setup.exe"))->size();
    EXPECT_EQ(ReadNumber(kEntryKey, L"EstimatedSize"), static_cast<DWORD>((bytes + 1023) / 1024));

    ExpectTheChosenSaverFlies();

    // The dialog of the installed saver keeps its settings beside it.
    wintest::MovePointerTo(POINT{5, 5});
    auto dialog = Start(L"\"" + installed(L"Vaporquill.scr") + L"\" /c");
    ASSERT_TRUE(dialog.has_value());
    const HWND window = wintest::WaitForWindow("<Vaporquill>", kWindowAppearsMs);
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(wintest::PumpUntil([&] { return IsWindowVisible(window) != FALSE; }, kWindowAppearsMs));
    POINT setButton{272 + 40, 160 + 12};  // 設定, in the dialog's client area
    ClientToScreen(window, &setButton);
    // The first click may land while the dialog still draws itself: click until it closes.
    EXPECT_TRUE(wintest::PumpUntil([&] {
        if (IsWindow(window)) wintest::ClickAt(setButton);
        return dialog->WaitExit(500).has_value();
    }, kWindowAppearsMs)) << "設定 did not close the dialog";
    EXPECT_TRUE(ExistsWide(installed(L"Vaporquill.ini"))) << "the settings were not saved beside the installed saver";
}

TEST_F(SetupE2e, AnUpgradeKeepsTheSettingsFileAndAQuietUninstallBringsBackTheSaverBefore) {
    WriteText(kDesktopKey, L"SCRNSAVE.EXE", std::wstring(kPlantedSaver));
    WriteText(kDesktopKey, L"ScreenSaveActive", std::wstring(L"0"));
    ASSERT_EQ(RunQuiet(L"\"" + SetupPath() + L"\" /S"), 0u);
    const std::string music = "[Section]\r\nBGM\x8B\xE6\x95\xAA=2\r\nBGM\xCC\xA7\xB2\xD9=C:\\music.mp3\r\n";
    ASSERT_TRUE(wintest::WriteFileBytes(wintest::Narrow(installed(L"Vaporquill.ini")), music));
    ASSERT_TRUE(wintest::WriteFileBytes(wintest::Narrow(installed(L"Vaporquill.dll")), "an older renderer"));

    ASSERT_EQ(RunQuiet(L"\"" + SetupPath() + L"\" /quiet"), 0u);
    ExpectThePairFromDist();
    EXPECT_EQ(ReadWide(installed(L"Vaporquill.ini")), music) << "the upgrade touched the settings";

    // By the entry's own command, as a package manager runs it: the installed setup.
    const auto quietUninstall = ReadText(kEntryKey, L"QuietUninstallString");
    ASSERT_TRUE(quietUninstall.has_value());
    const DWORD startedAt = GetTickCount();
    ASSERT_EQ(RunQuiet(*quietUninstall), 0u);
    RecordProperty("quiet_uninstall_ms", static_cast<int>(GetTickCount() - startedAt));
    EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), kPlantedSaver);
    EXPECT_EQ(ReadText(kDesktopKey, L"ScreenSaveActive"), L"0");
    EXPECT_FALSE(ExistsWide(folder())) << "the folder is left";
    EXPECT_FALSE(KeyExists(kEntryKey)) << "the list entry is left";
    EXPECT_EQ(RunQuiet(L"\"" + SetupPath() + L"\" /uninstall /quiet"), 6u) << "nothing is installed any more";
}

TEST_F(SetupE2e, AUserFolderWithABlankAndJapaneseInstallsRunsAndUninstalls) {
    UseLocalAppData(L"C:\\vqtest\\ユーザー データ", L"C:\\vqtest\\ユーザー データ\\Local");
    ASSERT_EQ(RunQuiet(L"\"" + SetupPath() + L"\" /quiet"), 0u);
    ExpectThePairFromDist();
    const auto chosen = ReadText(kDesktopKey, L"SCRNSAVE.EXE");
    ASSERT_TRUE(chosen.has_value());
    EXPECT_EQ(chosen->find(L' '), std::wstring::npos) << "the short path: " << wintest::Utf8(*chosen);
    wchar_t longPath[MAX_PATH * 2] = {};
    ASSERT_GT(GetLongPathNameW(chosen->c_str(), longPath, MAX_PATH * 2), 0u);
    EXPECT_EQ(_wcsicmp(longPath, installed(L"Vaporquill.scr").c_str()), 0) << wintest::Utf8(longPath);
    ExpectTheChosenSaverFlies();

    ASSERT_EQ(RunQuiet(L"\"" + installed(L"Vaporquill-Setup.exe") + L"\" /uninstall /quiet"), 0u);
    EXPECT_FALSE(ExistsWide(folder()));
    EXPECT_FALSE(ExistsWide(L"C:\\q_vosk")) << "the texture the saver handed to its renderer is left";
    EXPECT_FALSE(KeyExists(kEntryKey));
    EXPECT_EQ(ReadText(kDesktopKey, L"SCRNSAVE.EXE"), savedSaver_);
}

TEST_F(SetupE2e, ANormalInstallTellsTheUserAndOpensTheScreenSaverSettings) {
    wintest::RelayTrace trace("shell32.ShellExecuteW");
    const std::wstring setupLine = L"\"" + SetupPath() + L"\"";
    auto setup = trace.available() ? trace.Start(wintest::Narrow(setupLine)) : Start(setupLine);
    ASSERT_TRUE(setup.has_value());
    const auto box = wintest::WaitForMessageBox(setup->id(), kWindowAppearsMs);
    ASSERT_TRUE(box.has_value()) << "no message";
    EXPECT_EQ(box->caption, L"Vaporquill セットアップ");
    EXPECT_NE(box->text.find(L"スクリーン セーバーに選びました"), std::wstring::npos) << wintest::Utf8(box->text);
    EXPECT_NE(box->text.find(folder()), std::wstring::npos) << wintest::Utf8(box->text);
    EXPECT_TRUE(box->hasIcon);
    EXPECT_EQ(box->buttons.size(), 1u);
    if (const char* shot = std::getenv("VQ_SETUP_SHOT")) {
        std::string path = std::string("Z:") + shot;
        for (char& c : path) if (c == '/') c = '\\';
        wintest::CaptureScreen().SaveBmp(path);
    }
    EXPECT_TRUE(KeyExists(kEntryKey)) << "the message comes once all is done";
    ASSERT_TRUE(wintest::DismissMessageBox(*box));
    const auto code = setup->WaitExit(kSetupEndsMs);
    // The panel it opened is the user's, not the test's: ended here by its id all the same.
    for (DWORD child : wintest::ChildrenOf(setup->id())) OpenedProcess ended(child);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
    // WINE: Wine has no screen saver page for control.exe to open (desk.cpl is not there),
    // so whether a window opens says nothing; the call that opens it on Windows is checked.
    if (trace.available()) {
        EXPECT_EQ(trace.Calls(setup->id(), "shell32.ShellExecuteW", "L\"desk.cpl,,@screensaver\"").size(), 1u);
    }
}

TEST_F(SetupE2e, AnInstallWhileTheSaverRunsChangesNothingAndSaysWhy) {
    ASSERT_EQ(RunQuiet(L"\"" + SetupPath() + L"\" /quiet"), 0u);
    const std::string older = "an older renderer";
    ASSERT_TRUE(wintest::WriteFileBytes(wintest::Narrow(installed(L"Vaporquill.dll")), older));
    // The saver's settings dialog open, as the system's settings open it.
    auto dialog = Start(L"\"" + installed(L"Vaporquill.scr") + L"\" /c");
    ASSERT_TRUE(dialog.has_value());
    ASSERT_NE(wintest::WaitForWindow("<Vaporquill>", kWindowAppearsMs), nullptr);

    auto setup = Start(L"\"" + SetupPath() + L"\"");
    ASSERT_TRUE(setup.has_value());
    const auto box = wintest::WaitForMessageBox(setup->id(), kWindowAppearsMs);
    ASSERT_TRUE(box.has_value()) << "no message";
    EXPECT_NE(box->text.find(L"動いています"), std::wstring::npos) << wintest::Utf8(box->text);
    EXPECT_NE(box->text.find(L"何も変更していません"), std::wstring::npos) << wintest::Utf8(box->text);
    ASSERT_TRUE(wintest::DismissMessageBox(*box));
    EXPECT_EQ(setup->WaitExit(kSetupEndsMs), std::optional<DWORD>(2u));
    EXPECT_EQ(ReadWide(installed(L"Vaporquill.dll")), older) << "the renderer was replaced under the saver";
    EXPECT_FALSE(ExistsWide(installed(L"Vaporquill.dll.new")));

    // The same refusal quietly: only the exit code says it.
    EXPECT_EQ(RunQuiet(L"\"" + installed(L"Vaporquill-Setup.exe") + L"\" /uninstall /quiet"), 2u);
    EXPECT_TRUE(KeyExists(kEntryKey));
    PostMessageA(FindWindowA(nullptr, "<Vaporquill>"), WM_CLOSE, 0, 0);
    EXPECT_TRUE(dialog->WaitExit(kProgramEndsMs).has_value());
}

}  // namespace
