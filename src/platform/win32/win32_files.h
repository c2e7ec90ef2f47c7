#pragma once
#include "platform/files.h"

namespace zv::win32 {

class Win32Files : public platform::Files {
 public:
  bool Exists(const std::string& path) override;
  platform::FileStamp Stamp(const std::string& path) override;
  bool Read(const std::string& path, std::string& bytes) override;
  bool Write(const std::string& path, const std::string& bytes) override;
  platform::SwapResult Swap(const std::string& path, const std::string& replacement,
                            const std::string& backup) override;
  bool Move(const std::string& from, const std::string& to) override;
  bool Delete(const std::string& path) override;
  bool Copy(const std::string& from, const std::string& to) override;
};

}  // namespace zv::win32
