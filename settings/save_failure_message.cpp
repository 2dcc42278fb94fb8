// The failed-save message; see save_failure_message.h.
#include "settings/save_failure_message.h"

namespace settings {

namespace {

// The system's texts end in a line break (and some in blanks), which would leave a gap
// before the advice.
std::wstring WithoutTrailingSpace(std::wstring text) {
    const size_t end = text.find_last_not_of(L" \t\r\n");
    text.erase(end == std::wstring::npos ? 0 : end + 1);
    return text;
}

}  // namespace

std::wstring SaveFailureMessage(const std::wstring& path, const std::wstring& reason, uint32_t errorCode) {
    const std::wstring code = L"エラー " + std::to_wstring(errorCode);
    const std::wstring trimmed = WithoutTrailingSpace(reason);
    const std::wstring why = trimmed.empty() ? code : trimmed + L" (" + code + L")";
    return L"設定を保存できませんでした。\r\n\r\n"
           L"ファイル: " + path + L"\r\n"
           L"理由: " + why + L"\r\n\r\n"
           L"Vaporquill.scr と Vaporquill.dll を書き込みのできるフォルダー (例: C:\\Vaporquill) に"
           L"置くと、設定を保存できます。";
}

}  // namespace settings
