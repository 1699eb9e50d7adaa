// The part of the Windows registry that the file association uses, behind an interface so
// the association's rules can be tested without a registry. Key paths lie below the root,
// their parts separated by backslashes; names compare without regard to case. Texts are UTF-8.
#pragma once

#include <stdexcept>
#include <string>

namespace platform {

struct TDefaultValue {
    enum class TKind { Missing, Text, NotText };
    TKind Kind = TKind::Missing;
    std::string Text;
};

class TKeyStore {
public:
    virtual ~TKeyStore() = default;

    // Opens the key, creating it and any missing key above it. Raises std::runtime_error
    // when it can be neither opened nor created.
    virtual void CreateKey(const std::string& path) = 0;
    // The key's default (unnamed) value; the key must exist.
    virtual TDefaultValue ReadDefaultValue(const std::string& path) const = 0;
    // Raises std::runtime_error("Failed to set data for ''") when the value cannot be written.
    virtual void WriteDefaultValue(const std::string& path, const std::string& text) = 0;
    virtual bool HasSubKey(const std::string& path, const std::string& name) const = 0;
    // Tells the running programs that associations changed; called after all access ended.
    virtual void AnnounceChange() = 0;
};

}  // namespace platform
