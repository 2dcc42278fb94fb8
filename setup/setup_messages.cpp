// See setup_messages.h. Portable.
#include "setup/setup_messages.h"

namespace setup {

namespace {

constexpr uint16_t kPrimaryLanguageMask = 0x3FF;
constexpr uint16_t kJapanese = 0x11;

struct Texts {
    const wchar_t* caption;
    const wchar_t* installed;
    const wchar_t* uninstalled;
    const wchar_t* unknownArgument;
    const wchar_t* usage;
    const wchar_t* saverRunning;
    const wchar_t* noUserFolder;
    const wchar_t* copyFailed;
    const wchar_t* registryFailed;
    const wchar_t* removeFailed;
    const wchar_t* notInstalled;
    const wchar_t* nothingChanged;
    const wchar_t* notAllUndone;
    const wchar_t* question;
    const wchar_t* folderLabel;
};

constexpr Texts kJapaneseTexts{
    L"Vaporquill セットアップ",
    L"Vaporquill をインストールし、スクリーン セーバーに選びました。\n"
    L"このあと開く画面で、選ばれていることと待ち時間を確かめてください。",
    L"Vaporquill をアンインストールしました。",
    L"このオプションはわかりません: ",
    L"使い方: Vaporquill-Setup [/quiet | /S] [/uninstall]",
    L"Vaporquill のスクリーン セーバーか設定画面が動いています。\n"
    L"何も変更していません。終わらせてから、もう一度実行してください。",
    L"ユーザーのアプリケーション データ フォルダーがわからないため、何も変更していません。",
    L"ファイルをコピーできませんでした。",
    L"レジストリに書き込めませんでした。",
    L"ファイルを削除できませんでした。",
    L"Vaporquill はインストールされていません。",
    L"何も変更していません (前の状態のままです)。",
    L"一部の変更を元に戻せませんでした。",
    L"Vaporquill をアンインストールしますか?\n"
    L"Vaporquill が選ばれたままなら、前に選ばれていたスクリーン セーバーに戻します。",
    L"フォルダー: ",
};

constexpr Texts kEnglishTexts{
    L"Vaporquill Setup",
    L"Vaporquill is installed and chosen as your screen saver.\n"
    L"The screen saver settings open next: check that it is chosen, and its wait time.",
    L"Vaporquill has been uninstalled.",
    L"This option is not known: ",
    L"Usage: Vaporquill-Setup [/quiet | /S] [/uninstall]",
    L"Vaporquill's screen saver or its settings dialog is running.\n"
    L"Nothing was changed. Close it and run setup again.",
    L"Your local application data folder is not known, so nothing was changed.",
    L"A file could not be copied.",
    L"The registry could not be written.",
    L"A file could not be removed.",
    L"Vaporquill is not installed.",
    L"Nothing was changed (everything is as it was).",
    L"Some changes could not be undone.",
    L"Uninstall Vaporquill?\n"
    L"If it is still your screen saver, the one chosen before it comes back.",
    L"Folder: ",
};

SetupMessage Message(SetupMessage::Kind kind, const Texts& t, std::wstring text) {
    return SetupMessage{kind, t.caption, std::move(text)};
}

std::wstring WithReason(const std::wstring& text, const std::wstring& reason) {
    return reason.empty() ? text : text + L"\n\n" + reason;
}

}  // namespace

Language LanguageFor(uint16_t uiLanguageId) {
    return (uiLanguageId & kPrimaryLanguageMask) == kJapanese ? Language::Japanese : Language::English;
}

SetupMessage MessageFor(SetupResult result, const MessageFacts& facts, Language language) {
    const Texts& t = language == Language::Japanese ? kJapaneseTexts : kEnglishTexts;
    using Kind = SetupMessage::Kind;
    const std::wstring folderLine = std::wstring(L"\n\n") + t.folderLabel + facts.folder;
    const std::wstring afterFailure = facts.undoneWhole ? t.nothingChanged : t.notAllUndone;
    switch (result) {
        case SetupResult::Done:
            return facts.action == SetupAction::Install ? Message(Kind::Information, t, t.installed + folderLine)
                                                        : Message(Kind::Information, t, t.uninstalled);
        case SetupResult::UnknownArgument:
            return Message(Kind::Error, t, t.unknownArgument + facts.detail + L"\n\n" + t.usage);
        case SetupResult::SaverRunning: return Message(Kind::Error, t, t.saverRunning);
        case SetupResult::NoUserFolder: return Message(Kind::Error, t, t.noUserFolder);
        case SetupResult::CopyFailed:
            return Message(Kind::Error, t, WithReason(t.copyFailed + (L"\n" + afterFailure), facts.detail) + folderLine);
        case SetupResult::RegistryFailed:
            return Message(Kind::Error, t, WithReason(t.registryFailed + (L"\n" + afterFailure), facts.detail));
        case SetupResult::RemoveFailed:
            return Message(Kind::Error, t, WithReason(t.removeFailed + (L"\n" + afterFailure), facts.detail) + folderLine);
        case SetupResult::NotInstalled: return Message(Kind::Error, t, t.notInstalled);
        case SetupResult::Cancelled: break;
    }
    return Message(Kind::Information, t, L"");
}

SetupMessage UninstallQuestion(const std::wstring& folder, Language language) {
    const Texts& t = language == Language::Japanese ? kJapaneseTexts : kEnglishTexts;
    return SetupMessage{SetupMessage::Kind::Question, t.caption, t.question + (std::wstring(L"\n\n") + t.folderLabel + folder)};
}

}  // namespace setup
