#include "platform/win32/win_registry.h"

#include "platform/win32/win_api.h"

#include "platform/win32/wide.h"

namespace tarvenel::win32 {
namespace {

HKEY RootHandle(RootKey root) {
    return root == RootKey::CurrentUser ? HKEY_CURRENT_USER : HKEY_LOCAL_MACHINE;
}
HKEY Handle(RegKey key) {
    return reinterpret_cast<HKEY>(key);
}
RegKey Key(HKEY handle) {
    return reinterpret_cast<RegKey>(handle);
}
bool IsText(DWORD type) {
    return type == REG_SZ || type == REG_EXPAND_SZ;
}

} // namespace

RegStatus WinRegistry::OpenKey(RootKey root, const std::string& subKey, std::uint32_t access,
                               RegKey& key) {
    HKEY handle = nullptr;
    const LONG status = RegOpenKeyExW(RootHandle(root), Widen(subKey).c_str(), 0, access, &handle);
    key = status == ERROR_SUCCESS ? Key(handle) : 0;
    return status;
}

RegStatus WinRegistry::CreateKey(RootKey root, const std::string& subKey, std::uint32_t options,
                                 std::uint32_t access, RegKey& key) {
    HKEY handle = nullptr;
    const LONG status = RegCreateKeyExW(RootHandle(root), Widen(subKey).c_str(), 0, nullptr,
                                        options, access, nullptr, &handle, nullptr);
    key = status == ERROR_SUCCESS ? Key(handle) : 0;
    return status;
}

RegStatus WinRegistry::QueryValueInfo(RegKey key, const std::string& name, std::uint32_t& type,
                                      std::uint32_t& size) {
    DWORD valueType = REG_NONE;
    DWORD bytes = 0;
    const LONG status =
        RegQueryValueExW(Handle(key), Widen(name).c_str(), nullptr, &valueType, nullptr, &bytes);
    if (status != ERROR_SUCCESS)
        return status;
    type = IsText(valueType) ? reg::kSz : valueType;
    size = IsText(valueType) ? (bytes + 1) / sizeof(wchar_t) : bytes;
    return ERROR_SUCCESS;
}

RegStatus WinRegistry::QueryString(RegKey key, const std::string& name, std::uint32_t capacity,
                                   std::string& text) {
    std::wstring buffer(capacity, L'\0');
    DWORD type = REG_NONE;
    DWORD bytes = capacity * sizeof(wchar_t);
    const LONG status = RegQueryValueExW(Handle(key), Widen(name).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(buffer.data()), &bytes);
    if (status != ERROR_SUCCESS)
        return status;
    if (!IsText(type))
        return reg::kUnsupportedType;
    // The characters as stored, NULs included: the caller decides what they mean.
    buffer.resize((bytes + 1) / sizeof(wchar_t));
    text = Narrow(buffer);
    return ERROR_SUCCESS;
}

RegStatus WinRegistry::QueryDword(RegKey key, const std::string& name, std::uint32_t& value) {
    DWORD type = REG_NONE;
    DWORD number = 0;
    DWORD bytes = sizeof(number);
    const LONG status = RegQueryValueExW(Handle(key), Widen(name).c_str(), nullptr, &type,
                                         reinterpret_cast<BYTE*>(&number), &bytes);
    if (status != ERROR_SUCCESS)
        return status;
    if (type != REG_DWORD)
        return reg::kUnsupportedType;
    value = number;
    return ERROR_SUCCESS;
}

RegStatus WinRegistry::SetString(RegKey key, const std::string& name, const std::string& text) {
    // Exactly the characters given: the start-up entry's padding NULs are
    // part of its data, and an empty text stores no bytes at all.
    const std::wstring wide = Widen(text);
    return RegSetValueExW(Handle(key), Widen(name).c_str(), 0, REG_SZ,
                          reinterpret_cast<const BYTE*>(wide.data()),
                          static_cast<DWORD>(wide.size() * sizeof(wchar_t)));
}

RegStatus WinRegistry::SetDword(RegKey key, const std::string& name, std::uint32_t value) {
    const DWORD number = value;
    return RegSetValueExW(Handle(key), Widen(name).c_str(), 0, REG_DWORD,
                          reinterpret_cast<const BYTE*>(&number), sizeof(number));
}

RegStatus WinRegistry::CloseKey(RegKey key) {
    return RegCloseKey(Handle(key));
}

} // namespace tarvenel::win32
