#pragma once
// Which program a top-level window belongs to. Most windows belong to their own process. A store
// app's (Calculator's, Settings') top window is a frame of ApplicationFrameHost.exe, which hosts
// every such app; the app itself is the process of the core window inside the frame, a child of
// class "Windows.UI.Core.CoreWindow" that belongs to another process.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace zv::platform {

inline constexpr char kAppFrameHost[] = "ApplicationFrameHost.exe";
inline constexpr char kCoreWindowClass[] = "Windows.UI.Core.CoreWindow";

struct ChildWindow {
  std::uint32_t process = 0;
  std::string className;
};

// The process whose program the top-level window of process top (executable exe) shows. The
// frame's children are asked for only when exe is the frame host; a frame whose app has no core
// window in it (still starting, or minimised) stays the frame host's.
std::uint32_t ProgramProcess(std::uint32_t top, const std::string& exe,
                             const std::function<std::vector<ChildWindow>()>& children);

}  // namespace zv::platform
