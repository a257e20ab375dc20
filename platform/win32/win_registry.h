#pragma once
// The real registry (advapi32, Unicode calls). Text sizes cross the port in
// characters; the system counts bytes.
#include "platform/win32/registry.h"

namespace tarvenel::win32 {

class WinRegistry : public Registry {
public:
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
};

} // namespace tarvenel::win32
