// One change setup makes to the user's files or registry, as data: the plans list them, a
// transaction carries them out through the platform and undoes them on a failure. Portable.
#pragma once
#include <cstdint>
#include <string>

namespace setup {

// The files setup carries inside itself or takes from itself.
enum class Payload { Saver, Renderer, Setup };

// Both keys are the user's own (HKEY_CURRENT_USER): no administrator is needed.
enum class RegistryKey { Desktop, Entry };

struct RegistryValue {
    enum class Type { Text, Number };
    Type type = Type::Text;
    std::wstring text;
    uint32_t number = 0;
    static RegistryValue Text(std::wstring t) { return {Type::Text, std::move(t), 0}; }
    static RegistryValue Number(uint32_t n) { return {Type::Number, L"", n}; }
    bool operator==(const RegistryValue& o) const { return type == o.type && text == o.text && number == o.number; }
};

enum class StepKind {
    MakeFolder,    // path
    RemoveFolder,  // path, which must be empty
    WriteFile,     // payload into path (a new file; an old one there is replaced)
    Rename,        // path to `to`, replacing a file at `to`
    RemoveFile,    // path
    MakeKey,       // key
    DeleteKey,     // key with all its values
    SetValue,      // key, name, value (the key is made when missing)
    DeleteValue,   // key, name
};

struct Step {
    StepKind kind = StepKind::MakeFolder;
    std::wstring path;
    std::wstring to;
    Payload payload = Payload::Saver;
    RegistryKey key = RegistryKey::Desktop;
    std::wstring name;
    RegistryValue value;

    bool IsFileStep() const { return kind <= StepKind::RemoveFile; }
};

}  // namespace setup
