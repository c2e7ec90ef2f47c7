#pragma once
#include "platform/registry.h"

namespace zv::win32 {

class Win32Registry : public platform::Registry {
 public:
  platform::RegistryKey CreateKey(platform::RegistryRoot root, const std::string& path) override;
  platform::RegistryKey OpenKey(platform::RegistryRoot root, const std::string& path) override;
  platform::RegistryKey OpenKeyForReading(platform::RegistryRoot root,
                                          const std::string& path) override;
  void CloseKey(platform::RegistryKey key) override;
  platform::RegistryRead ReadDword(platform::RegistryKey key, const std::string& name,
                                   std::uint32_t& value) override;
  bool WriteDword(platform::RegistryKey key, const std::string& name, std::uint32_t value) override;
  platform::RegistryRead ReadString(platform::RegistryKey key, const std::string& name,
                                    std::string& value) override;
  bool WriteString(platform::RegistryKey key, const std::string& name,
                   const std::string& value) override;
  platform::RegistryRead ReadBinary(platform::RegistryKey key, const std::string& name,
                                    std::vector<std::uint8_t>& bytes,
                                    platform::RegistryType& type) override;
  bool WriteBinary(platform::RegistryKey key, const std::string& name,
                   const std::vector<std::uint8_t>& bytes) override;
  bool DeleteValue(platform::RegistryKey key, const std::string& name) override;
  std::vector<std::string> ValueNames(platform::RegistryKey key) override;
  bool DeleteKey(platform::RegistryRoot root, const std::string& path) override;
};

}  // namespace zv::win32
