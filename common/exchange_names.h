// What crosses between the programs, spelled once: the screen saver writes the texture file
// into the exchange folder and starts the renderer by its file name; the renderer reads the
// file and the screen saver watches for its window by title; the screen saver's own windows
// tell a second start (and setup) that a session or a dialog is open. Every program includes
// this header; none links against or calls another. Portable.
#pragma once
#include <array>
#include <cstddef>

namespace common {

// The folder the screen saver makes for the texture file.
inline constexpr char kExchangeFolder[] = "C:\\q_vosk";
// The texture file, complete before the renderer starts, as the screen saver names it.
inline constexpr char kTextureFilePath[] = "C:\\q_vosk\\Cirrovance.bmp";
// The renderer's program file, appended to the screen saver's own folder.
inline constexpr char kRendererFileName[] = "\\Vaporquill.dll";
// The renderer's top-level window, which the screen saver finds by this title alone.
inline constexpr char kRendererWindowTitle[] = "Cirrovance_Tunnel";
// A running saver session: the screen saver's hidden form.
inline constexpr char kSaverFormTitle[] = "Cirrovance_Main";
// An open settings dialog.
inline constexpr char kSettingsDialogTitle[] = "<Vaporquill>";

namespace exchange_detail {

template <size_t N>
constexpr bool StartsWith(const char (&text)[N], const char* prefix) {
    for (size_t at = 0; prefix[at] != '\0'; ++at) {
        if (at >= N || text[at] != prefix[at]) return false;
    }
    return true;
}

template <size_t N>
constexpr std::array<char, N> WithLowerCaseDrive(const char (&path)[N]) {
    std::array<char, N> copy{};
    for (size_t at = 0; at < N; ++at) copy[at] = path[at];
    if (copy[0] >= 'A' && copy[0] <= 'Z') copy[0] = static_cast<char>(copy[0] - 'A' + 'a');
    return copy;
}

}  // namespace exchange_detail

static_assert(exchange_detail::StartsWith(kTextureFilePath, kExchangeFolder),
              "the texture file lies in the exchange folder");

// NOTE: the renderer names the same file with a lower-case drive letter, and its messages
// show it so ("Unable to load c:\q_vosk\Cirrovance.bmp"); drive letters are not
// case-sensitive. Use .data().
inline constexpr std::array<char, sizeof(kTextureFilePath)> kRendererTexturePath =
    exchange_detail::WithLowerCaseDrive(kTextureFilePath);

}  // namespace common
