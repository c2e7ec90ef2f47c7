// The Win32 scheduler and clipboard against their contracts, under Wine.
#include <windows.h>

#include <cstring>
#include <thread>
#include <vector>

#include "platform/win32/win32_clipboard.h"
#include "platform/win32/win32_scheduler.h"
#include "tests/actions_win32/clipboard_contract.h"
#include "tests/actions_win32/scheduler_contract.h"
#include "tests/actions_win32/win32_loop.h"

namespace zv::contract {
namespace {

struct Win32SchedulerEnv : SchedulerEnv {
  DWORD mainThread = GetCurrentThreadId();
  win32::Win32Scheduler real;
  platform::Scheduler& scheduler() override { return real; }
  bool RunUntil(const std::function<bool()>& done) override {
    return testing_win32::PumpUntil(done);
  }
  bool OnWorker() override { return GetCurrentThreadId() != mainThread; }
};

// Another thread opens the clipboard, as another program would, and keeps it until Release.
struct Win32ClipboardEnv : ClipboardEnv {
  testing_win32::HiddenWindow owner;
  win32::Win32Clipboard real{owner.handle()};
  HANDLE opened = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  HANDLE release = CreateEventA(nullptr, TRUE, FALSE, nullptr);
  std::thread holder;

  ~Win32ClipboardEnv() override {
    Release();
    CloseHandle(opened);
    CloseHandle(release);
  }
  platform::Clipboard& clipboard() override { return real; }
  void Hold() override {
    holder = std::thread([this] {
      testing_win32::HiddenWindow other;
      BOOL ok = OpenClipboard(other.handle());
      SetEvent(opened);
      WaitForSingleObject(release, 10000);
      if (ok) CloseClipboard();
    });
    WaitForSingleObject(opened, 10000);
  }
  void Release() override {
    SetEvent(release);
    if (holder.joinable()) holder.join();
  }

  // What the other program copies besides the text: a 2x2 bitmap, an enhanced metafile and a
  // registered format of its own whose bytes hold a NUL.
  const DWORD pixels[4] = {0x112233, 0x445566, 0x778899, 0xAABBCC};
  const char ownBytes[17] = "file list\0second";
  UINT ownFormat = RegisterClipboardFormatA("Zorvane Test Own Format");
  std::vector<unsigned char> metafile;  // the bits of the metafile copied last

  static void AsOtherProgram(const std::function<void(HWND)>& work) {
    std::thread([&work] {
      testing_win32::HiddenWindow other;
      work(other.handle());
    }).join();
  }
  static HGLOBAL Memory(const void* data, std::size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    std::memcpy(GlobalLock(memory), data, size);
    GlobalUnlock(memory);
    return memory;
  }
  void OtherProgramCopies(const std::string& text) override {
    AsOtherProgram([&](HWND other) {
      ASSERT_TRUE(OpenClipboard(other));
      EmptyClipboard();
      SetClipboardData(CF_BITMAP, CreateBitmap(2, 2, 1, 32, pixels));
      HDC dc = CreateEnhMetaFileA(nullptr, nullptr, nullptr, nullptr);
      Rectangle(dc, 0, 0, 50, 30);
      HENHMETAFILE emf = CloseEnhMetaFile(dc);
      metafile.resize(GetEnhMetaFileBits(emf, 0, nullptr));
      GetEnhMetaFileBits(emf, static_cast<UINT>(metafile.size()), metafile.data());
      SetClipboardData(CF_ENHMETAFILE, emf);
      SetClipboardData(ownFormat, Memory(ownBytes, sizeof ownBytes));
      SetClipboardData(CF_TEXT, Memory(text.c_str(), text.size() + 1));
      CloseClipboard();
    });
  }
  bool HoldsWhatWasCopied(const std::string& text) override {
    if (real.Text() != text || !OpenClipboard(owner.handle())) return false;
    bool same = true;
    HANDLE own = GetClipboardData(ownFormat);
    same = same && own && GlobalSize(own) >= sizeof ownBytes &&
           std::memcmp(GlobalLock(own), ownBytes, sizeof ownBytes) == 0;
    if (own) GlobalUnlock(own);
    auto emf = static_cast<HENHMETAFILE>(GetClipboardData(CF_ENHMETAFILE));
    std::vector<unsigned char> bits(emf ? GetEnhMetaFileBits(emf, 0, nullptr) : 0);
    if (emf) GetEnhMetaFileBits(emf, static_cast<UINT>(bits.size()), bits.data());
    same = same && bits == metafile;
    auto bitmap = static_cast<HBITMAP>(GetClipboardData(CF_BITMAP));
    DWORD back[4] = {};
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), 2, -2, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    HDC screen = GetDC(nullptr);
    same = same && bitmap && GetDIBits(screen, bitmap, 0, 2, back, &info, DIB_RGB_COLORS) == 2;
    ReleaseDC(nullptr, screen);
    for (int i = 0; i < 4; ++i) same = same && (back[i] & 0xFFFFFF) == pixels[i];
    CloseClipboard();
    return same;
  }
  std::u16string OtherProgramPastes() override {
    std::u16string pasted;
    AsOtherProgram([&pasted](HWND other) {
      ASSERT_TRUE(OpenClipboard(other));
      HANDLE text = GetClipboardData(CF_UNICODETEXT);
      if (auto* wide = static_cast<const char16_t*>(text ? GlobalLock(text) : nullptr)) {
        pasted = wide;
        GlobalUnlock(text);
      }
      CloseClipboard();
    });
    return pasted;
  }
};

}  // namespace
std::unique_ptr<SchedulerEnv> MakeSchedulerEnv() {
  return std::make_unique<Win32SchedulerEnv>();
}
std::unique_ptr<ClipboardEnv> MakeClipboardEnv() {
  return std::make_unique<Win32ClipboardEnv>();
}
}  // namespace zv::contract
