#include "support/fake_registry.h"

#include <algorithm>

namespace tarvenel::test {
namespace {

// Text sizes cross the port in characters, as the real registry counts them.
std::uint32_t CharacterCount(const std::string& text) {
    std::uint32_t count = 0;
    for (unsigned char c : text)
        count += (c & 0xC0) != 0x80;
    return count;
}

} // namespace

std::string FakeRegistry::Lower(const std::string& text) {
    std::string lower = text;
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return c < 0x80 ? std::tolower(c) : c; });
    return lower;
}

namespace {
// Set value, create sub-key, create link, delete, write DAC, write owner.
constexpr std::uint32_t kWriteRights = 0x2 | 0x4 | 0x20 | 0x10000 | 0x40000 | 0x80000;
} // namespace

RegStatus FakeRegistry::OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                                RegKey& key) {
    lastAccess = access;
    const KeyName name{root, Lower(subKey)};
    if (denied_.count(name) || (readOnly_.count(name) && (access & kWriteRights)))
        return reg::kAccessDenied;
    if (!keys_.count(name))
        return reg::kFileNotFound;
    key = nextHandle_++;
    handles_[key] = name;
    return reg::kSuccess;
}

RegStatus FakeRegistry::CreateKey(RootKey root, const std::string& subKey, std::uint32_t,
                                  std::uint32_t access, RegKey& key) {
    lastAccess = access;
    const KeyName name{root, Lower(subKey)};
    if (denied_.count(name) || (readOnly_.count(name) && (access & kWriteRights)))
        return reg::kAccessDenied;
    keys_[name];
    key = nextHandle_++;
    handles_[key] = name;
    return reg::kSuccess;
}

FakeRegistry::Value* FakeRegistry::Lookup(RegKey key, const std::string& name, RegStatus& status) {
    auto handle = handles_.find(key);
    if (handle == handles_.end()) {
        status = reg::kInvalidHandle;
        return nullptr;
    }
    auto& values = keys_[handle->second];
    auto value = values.find(Lower(name));
    if (value == values.end()) {
        status = reg::kFileNotFound;
        return nullptr;
    }
    status = reg::kSuccess;
    return &value->second;
}

RegStatus FakeRegistry::QueryValueInfo(RegKey key, const std::string& name, std::uint32_t& type,
                                       std::uint32_t& size) {
    RegStatus status;
    const Value* value = Lookup(key, name, status);
    if (!value)
        return status;
    type = value->type;
    size = value->type == reg::kDword ? 4 : CharacterCount(value->text);
    return reg::kSuccess;
}

RegStatus FakeRegistry::QueryString(RegKey key, const std::string& name, std::uint32_t capacity,
                                    std::string& text) {
    RegStatus status;
    const Value* value = Lookup(key, name, status);
    if (!value)
        return status;
    const std::uint32_t count = CharacterCount(value->text);
    if (count > capacity)
        return reg::kMoreData;
    text = value->text + std::string(capacity - count, '\0');
    return reg::kSuccess;
}

RegStatus FakeRegistry::QueryDword(RegKey key, const std::string& name, std::uint32_t& number) {
    RegStatus status;
    const Value* value = Lookup(key, name, status);
    if (!value)
        return status;
    number = value->number;
    return reg::kSuccess;
}

RegStatus FakeRegistry::SetString(RegKey key, const std::string& name, const std::string& text) {
    auto handle = handles_.find(key);
    if (handle == handles_.end())
        return reg::kInvalidHandle;
    keys_[handle->second][Lower(name)] = Value{reg::kSz, text, 0};
    return reg::kSuccess;
}

RegStatus FakeRegistry::SetDword(RegKey key, const std::string& name, std::uint32_t number) {
    auto handle = handles_.find(key);
    if (handle == handles_.end())
        return reg::kInvalidHandle;
    keys_[handle->second][Lower(name)] = Value{reg::kDword, {}, number};
    return reg::kSuccess;
}

RegStatus FakeRegistry::CloseKey(RegKey key) {
    return handles_.erase(key) ? reg::kSuccess : reg::kInvalidHandle;
}

void FakeRegistry::Put(RootKey root, const std::string& subKey, const std::string& name,
                       Value value) {
    keys_[{root, Lower(subKey)}][Lower(name)] = std::move(value);
}

const FakeRegistry::Value* FakeRegistry::Find(RootKey root, const std::string& subKey,
                                              const std::string& name) const {
    auto key = keys_.find({root, Lower(subKey)});
    if (key == keys_.end())
        return nullptr;
    auto value = key->second.find(Lower(name));
    return value == key->second.end() ? nullptr : &value->second;
}

bool FakeRegistry::HasKey(RootKey root, const std::string& subKey) const {
    return keys_.count({root, Lower(subKey)}) > 0;
}

void FakeRegistry::Deny(RootKey root, const std::string& subKey) {
    denied_.insert({root, Lower(subKey)});
}

void FakeRegistry::ReadOnly(RootKey root, const std::string& subKey) {
    readOnly_.insert({root, Lower(subKey)});
}

void FakeRegistry::FullAccess(RootKey root, const std::string& subKey) {
    readOnly_.erase({root, Lower(subKey)});
    denied_.erase({root, Lower(subKey)});
}

} // namespace tarvenel::test
