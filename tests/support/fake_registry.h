#pragma once
// An in-memory registry with the real one's answers for missing keys,
// missing values, wrong types, small buffers, bad handles and denied access.
#include <map>
#include <set>
#include <string>

#include "platform/win32/registry.h"

namespace tarvenel::test {

class FakeRegistry : public Registry {
public:
    struct Value {
        std::uint32_t type = reg::kSz;
        std::string text;
        std::uint32_t number = 0;
    };
    using KeyName = std::pair<RootKey, std::string>; // path in lower case

    RegStatus OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                      RegKey& key) override;
    RegStatus CreateKey(RootKey root, const std::string& subKey, std::uint32_t options,
                        std::uint32_t access, RegKey& key) override;
    RegStatus QueryValueInfo(RegKey key, const std::string& name, std::uint32_t& type,
                             std::uint32_t& size) override;
    RegStatus QueryString(RegKey key, const std::string& name, std::uint32_t capacity,
                          std::string& text) override;
    RegStatus QueryDword(RegKey key, const std::string& name, std::uint32_t& value) override;
    RegStatus SetString(RegKey key, const std::string& name, const std::string& text) override;
    RegStatus SetDword(RegKey key, const std::string& name, std::uint32_t value) override;
    RegStatus CloseKey(RegKey key) override;

    // Test set-up and inspection.
    void Put(RootKey root, const std::string& subKey, const std::string& name, Value value);
    const Value* Find(RootKey root, const std::string& subKey, const std::string& name) const;
    bool HasKey(RootKey root, const std::string& subKey) const;
    void Deny(RootKey root, const std::string& subKey);
    // As a standard user sees a machine key: reading only; asking for any
    // write right is refused.
    void ReadOnly(RootKey root, const std::string& subKey);
    // As an administrator's elevated program sees it.
    void FullAccess(RootKey root, const std::string& subKey);
    int OpenHandles() const { return static_cast<int>(handles_.size()); }
    std::uint32_t lastAccess = 0;

private:
    static std::string Lower(const std::string& text);
    Value* Lookup(RegKey key, const std::string& name, RegStatus& status);

    std::map<KeyName, std::map<std::string, Value>> keys_;
    std::set<KeyName> denied_;
    std::set<KeyName> readOnly_;
    std::map<RegKey, KeyName> handles_;
    RegKey nextHandle_ = 0x100;
};

} // namespace tarvenel::test
