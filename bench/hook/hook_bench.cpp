// Times, in one run and side by side:
//   hook, unmapped / mapped: KeyHookProc for one key event on the real registry, the real
//     settings file with 100 mappings and (mapped) the dispatcher, called directly, and its
//     SendInput; then the mapped event together with what it posts for after the hook (the
//     "TempCode" writes, the look at the keyboard layout);
//   (a) one registry channel round trip as the channel is specified: RegCreateKeyExA,
//       RegQueryValueExA, RegSetValueExA, RegCloseKey of "TempCode";
//   (b) the private-profile reference: the intercepted-code list ("Index", then KeyCode1 to
//       KeyCode100) read through GetPrivateProfileStringA, as the hook reads it when every
//       value goes to the file.
// The same two hook paths again with a second settings file that also holds 20 programs of 100
// mappings each, the focused program being one of them (its own mapping applies), with the real
// foreground watch asked again before each key whose mapping depends on the program.
// Then the calls to the system per event (every platform call counted; the posts, and what they
// run once the hook has returned, apart), and the tail: 100,000
// events, one in four mapped, while another process rewrites the settings file in a loop; the
// longest single event and the 99.9th percentile.
// Usage: zv_bench_hook [scale]  (scale multiplies the iteration counts; default 1)
//        zv_bench_hook --rewrite <file>  (the other process: rewrites file until told to stop)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "bench/hook/counting_platform.h"
#include "catalogue/key_catalogue.h"
#include "catalogue/key_lists.h"
#include "engine/dispatcher.h"
#include "engine/hook_messages.h"
#include "engine/key_hook.h"
#include "engine/registry_channel.h"
#include "platform/win32/win32_files.h"
#include "platform/win32/win32_folder_watcher.h"
#include "platform/win32/win32_foreground.h"
#include "platform/win32/win32_input.h"
#include "platform/win32/win32_registry.h"
#include "platform/win32/win32_scheduler.h"
#include "platform/win32/win32_window_messages.h"
#include "settings/file_replace.h"
#include "settings/mapping_store.h"
#include "settings/settings.h"
#include "settings/settings_file.h"
#include "settings/settings_watch.h"

namespace {

using namespace zv;

struct NoErrors : ErrorReporter {
  int count = 0;
  void PostError(const std::string& text) noexcept override {
    if (count++ == 0) std::fprintf(stderr, "error: %s\n", text.c_str());
  }
};

Dispatcher* g_dispatcher = nullptr;
NoErrors g_errors;

LRESULT CALLBACK Proc(HWND w, UINT m, WPARAM wp, LPARAM lp) {
  if (g_dispatcher && DispatchHookMessage(*g_dispatcher, g_errors, m, wp)) return 0;
  return DefWindowProcA(w, m, wp, lp);
}

void Pump() {
  MSG msg;
  while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageA(&msg);
}

// Runs every variant n times per round, the variants taking turns over five rounds so that a
// busy machine slows them alike; keeps each variant's best round, in microseconds per call.
struct Bench {
  struct Variant {
    const char* name;
    int n;
    std::function<void(int)> body;
    double best = 1e300;
  };
  std::vector<Variant> variants;

  void Add(const char* name, int n, std::function<void(int)> body) {
    variants.push_back({name, n, std::move(body)});
  }
  void Run() {
    for (Variant& v : variants) {
      for (int i = 0; i < v.n / 10 + 1; ++i) v.body(i);  // warm-up
    }
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    for (int round = 0; round < 5; ++round) {
      for (Variant& v : variants) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        for (int i = 0; i < v.n; ++i) v.body(i);
        QueryPerformanceCounter(&b);
        double us = 1e6 * static_cast<double>(b.QuadPart - a.QuadPart) /
                    static_cast<double>(f.QuadPart) / v.n;
        v.best = std::min(v.best, us);
        Pump();  // the injected keys reach the window between rounds, outside the timing
      }
    }
  }
  double operator[](std::size_t i) const { return variants[i].best; }
};

constexpr const char* kStopEvent = "ZvBenchStopRewriting";

// The other process: replaces the settings file with its own text, one blank line more or
// less each time (so its size and stamp change), until the stop event is set. Its exit code is
// the number of rewrites.
int Rewrite(const std::string& path) {
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, kStopEvent);
  win32::Win32Files files;
  std::string text;
  files.Read(path, text);
  int rewrites = 0;
  while (WaitForSingleObject(stop, 0) != WAIT_OBJECT_0) {
    ReplaceContent(files, path, rewrites % 2 ? text : text + "\r\n");
    ++rewrites;
  }
  CloseHandle(stop);
  return rewrites;
}

PROCESS_INFORMATION StartRewriter(const std::string& path) {
  char exe[MAX_PATH];
  GetModuleFileNameA(nullptr, exe, MAX_PATH);
  std::string line = "\"" + std::string(exe) + "\" --rewrite \"" + path + "\"";
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "could not start the rewriting process\n");
  }
  return pi;
}

// Stores 100 mappings of real keys for program ("" all programs); "Z" stays unmapped. Targets
// are letters (shifted per program), so a mapped event injects a key.
int StoreHundredMappings(SettingsFile& settings, const std::string& program, int shift) {
  int stored = 0;
  for (const std::string& name : OriginalKeyList()) {
    int code = ResolveKeyCode(name);
    if (stored == 100 || name == "Z" || code <= 0 || code > 255) continue;
    StoreMapping(settings, name, std::string(1, static_cast<char>('A' + (stored + shift) % 26)),
                 " ", program);
    ++stored;
  }
  return stored;
}

// Writes 100 shortcut mappings, "Ctrl+" each key StoreHundredMappings maps, to letters.
void WriteHundredShortcuts(SettingsFile& settings) {
  SettingsFile::Batch batch(settings);
  int written = 0;
  for (const std::string& name : OriginalKeyList()) {
    int code = ResolveKeyCode(name);
    if (written == 100 || name == "Z" || code <= 0 || code > 255) continue;
    if (!IniDocument::CanHoldKey("Ctrl+" + name)) continue;  // "=" cannot be a key's name
    settings.WriteString("SwapShortcut", "Ctrl+" + name,
                         std::string(1, static_cast<char>('A' + written % 26)));
    ++written;
  }
  batch.Commit();
}

constexpr int kPrograms = 20;

// The engine over one settings file, wired as the program wires it.
struct Engine {
  Engine(SettingsFile& file, RegistryChannel& channel, platform::Input& input,
         platform::WindowMessages& windows, platform::Scheduler& scheduler)
      : dispatcher(file, channel, input), hook(input, channel, file, windows, g_errors) {
    dispatcher.SetScheduler(&scheduler);
    hook.SetClient(&dispatcher);
  }
  Dispatcher dispatcher;
  KeyHook hook;
};

// Every event's time in microseconds, sorted.
struct Tail {
  std::vector<double> us;
  double Max() const { return us.empty() ? 0 : us.back(); }
  double Percentile(double p) const {
    return us.empty() ? 0 : us[std::min(us.size() - 1, static_cast<std::size_t>(p * us.size()))];
  }
};

}  // namespace

int main(int argc, char** argv) {
  if (argc > 2 && std::string(argv[1]) == "--rewrite") return Rewrite(argv[2]);
  int scale = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  char temp[MAX_PATH];
  GetTempPathA(MAX_PATH, temp);
  std::string folder = std::string(temp) + "zvbench" + std::to_string(GetCurrentProcessId());
  CreateDirectoryA(folder.c_str(), nullptr);
  std::string path = folder + "\\Keydat.qnp";

  win32::Win32Files realFiles;
  win32::Win32Registry realRegistry;
  win32::Win32Input realInput;
  win32::Win32WindowMessages realWindows;
  win32::Win32Scheduler realScheduler([](const std::string&) {});
  bench::CallCounts calls;
  bench::CountingFiles files(realFiles, calls.files);
  bench::CountingRegistry registry(realRegistry, calls.registry);
  bench::CountingInput input(realInput, calls.input);
  bench::CountingWindows windows(realWindows, calls.windows);
  bench::CountingScheduler scheduler(realScheduler, calls.posts);
  SettingsFile settings(files, path);
  PrepareSettingsFile(settings);
  int stored = StoreHundredMappings(settings, "", 0);
  RegistryChannel channel(registry);
  Dispatcher dispatcher(settings, channel, input);
  channel.SetScheduler(&scheduler);  // as the program runs
  dispatcher.SetScheduler(&scheduler);
  g_dispatcher = &dispatcher;
  KeyHook hook(input, channel, settings, windows, g_errors);
  hook.SetClient(&dispatcher);

  // The second file: all programs' 100 mappings and 20 programs' 100 each.
  SettingsFile programsFile(files, folder + "\\Programs.qnp");
  PrepareSettingsFile(programsFile);
  int programMappings = 0;
  {
    SettingsFile::Batch batch(programsFile);
    StoreHundredMappings(programsFile, "", 0);
    for (int p = 1; p <= kPrograms; ++p)
      programMappings +=
          StoreHundredMappings(programsFile, "program" + std::to_string(p) + ".exe", p);
    batch.Commit();
  }
  Engine programsEngine(programsFile, channel, input, windows, scheduler);
  Dispatcher& programsDispatcher = programsEngine.dispatcher;
  KeyHook& programsHook = programsEngine.hook;
  // The focused program is set here; the look at the foreground window is made as in the
  // program (nobody watching is told of what it finds).
  win32::Win32Foreground realForeground;
  bench::CountingForeground foreground(realForeground, calls.foreground);
  programsDispatcher.programs().SetProgram("program20.exe");
  programsDispatcher.programs().SetForeground(&foreground);

  // The third file: 100 shortcut mappings (Ctrl with a key). One hook sees Shift held, so its
  // shortcut keys come with other modifiers; the other sees Ctrl held, so they fire.
  SettingsFile shortcutsFile(files, folder + "\\Shortcuts.qnp");
  PrepareSettingsFile(shortcutsFile);
  WriteHundredShortcuts(shortcutsFile);
  Engine otherMods(shortcutsFile, channel, input, windows, scheduler);
  Engine fired(shortcutsFile, channel, input, windows, scheduler);
  KeyHook &otherModsHook = otherMods.hook, &firedHook = fired.hook;

  // The fourth file: A has two roles (Esc tapped, Left Ctrl held), S switches a layer in
  // which J is the left arrow.
  SettingsFile twoRolesFile(files, folder + "\\TwoRoles.qnp");
  PrepareSettingsFile(twoRolesFile);
  const char* twoRoles[][3] = {{"DisableKey", "Index", "2"},
                               {"DisableKey", "KeyCode1", "65"},
                               {"DisableKey", "KeyCode2", "83"},
                               {"SwapKey", "A", "TapHold1"},
                               {"SwapKey", "S", "TapHold2"},
                               {"TapHold1", "Parameter", "Esc|Left Ctrl|200|press"},
                               {"TapHold2", "Parameter", "SpaceBar|Layer Nav|200|press"},
                               {"Layer Nav", "J", "Left Arrow"}};
  for (const auto& entry : twoRoles) twoRolesFile.WriteString(entry[0], entry[1], entry[2]);
  Engine twoRolesEngine(twoRolesFile, channel, input, windows, scheduler);
  KeyHook& twoRolesHook = twoRolesEngine.hook;

  WNDCLASSA wc = {};
  wc.lpfnWndProc = Proc;
  wc.hInstance = GetModuleHandleA(nullptr);
  wc.lpszClassName = "ZvBench";
  RegisterClassA(&wc);
  HWND window = CreateWindowA("ZvBench", "", WS_OVERLAPPED, 0, 0, 10, 10, nullptr, nullptr,
                              wc.hInstance, nullptr);
  channel.PublishWindowHandle(static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window)));

  auto event = [](int vk, int i) {
    platform::KeyEvent e;
    e.vkCode = static_cast<std::uint32_t>(vk);
    e.message = (i % 2) ? platform::kWmKeyUp : platform::kWmKeyDown;
    return e;
  };
  std::uint32_t handle = static_cast<std::uint32_t>(reinterpret_cast<UINT_PTR>(window));
  int n = 1000 * scale;
  platform::KeyEvent shift = event(0xA0, 0), ctrl = event(0xA2, 0);
  otherModsHook.KeyHookProc(shift);
  firedHook.KeyHookProc(ctrl);
  Bench bench;
  bench.Add("hook path, unmapped key event", n, [&](int i) { hook.KeyHookProc(event('Z', i)); });
  bench.Add("hook path, mapped key event (dispatcher, SendInput)", n,
            [&](int i) { hook.KeyHookProc(event('A', i)); });
  // The message loop's turn included: PeekMessageA until the queue is empty.
  bench.Add("  the same, plus the work it posts for after the hook", n, [&](int i) {
    hook.KeyHookProc(event('A', i));
    Pump();
  });
  bench.Add("  the same, plus its injected event coming back (whole key)", n, [&](int i) {
    hook.KeyHookProc(event('A', i));
    platform::KeyEvent back = event('K', i);  // "A" is the tenth mapping: its target is K
    back.flags = platform::kLlkhfInjected;
    back.extraInfo = kInjectionMarker;
    hook.KeyHookProc(back);
  });
  bench.Add("20 programs x 100 mappings: unmapped key event", n,
            [&](int i) { programsHook.KeyHookProc(event('Z', i)); });
  bench.Add("20 programs x 100 mappings: mapped key event (own mapping)", n,
            [&](int i) { programsHook.KeyHookProc(event('A', i)); });
  bench.Add("100 shortcuts: unmapped key event", n,
            [&](int i) { otherModsHook.KeyHookProc(event('Z', i)); });
  bench.Add("100 shortcuts: a shortcut's key with other modifiers", n,
            [&](int i) { otherModsHook.KeyHookProc(event('A', i)); });
  bench.Add("100 shortcuts: fired shortcut (lift, target, re-press)", n,
            [&](int i) { firedHook.KeyHookProc(event('A', i)); });
  // Whole keys, all events at one time stamp (no timer decides): 2 and 4 events. A second apart,
  // so that no press is the quick re-press of the tap before it.
  std::uint32_t stamp = 0;
  auto keys = [&](std::initializer_list<std::pair<int, bool>> events) {
    stamp += 1000;
    for (const auto& [vk, down] : events) {
      platform::KeyEvent e = event(vk, down ? 0 : 1);
      e.time = stamp;
      twoRolesHook.KeyHookProc(e);
    }
  };
  bench.Add("two roles: a tap, press and release", n / 2, [&](int) {
    keys({{'A', true}, {'A', false}});
  });
  bench.Add("two roles: a hold with a key, 4 events", n / 4, [&](int) {
    keys({{'A', true}, {'B', true}, {'B', false}, {'A', false}});
  });
  bench.Add("two roles: a key in a held layer, 4 events", n / 4, [&](int) {
    keys({{'S', true}, {'J', true}, {'J', false}, {'S', false}});
  });
  bench.Add("(a) registry round trip: create, read, write, close", n, [&](int) {
    HKEY key;
    RegCreateKeyExA(HKEY_LOCAL_MACHINE, kDisableKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                    &key, nullptr);
    DWORD value = 0, size = sizeof value;
    RegQueryValueExA(key, kTempCodeValue, nullptr, nullptr, reinterpret_cast<BYTE*>(&value), &size);
    value = 0;
    RegSetValueExA(key, kTempCodeValue, 0, REG_DWORD, reinterpret_cast<BYTE*>(&value),
                   sizeof value);
    RegCloseKey(key);
  });
  bench.Add("(b) intercepted list via GetPrivateProfileStringA", std::max(2, 5 * scale), [&](int) {
    char buffer[2048];
    GetPrivateProfileStringA("DisableKey", "Index", "0", buffer, sizeof buffer, path.c_str());
    int count = std::atoi(buffer);
    for (int k = 1; k <= count; ++k) {
      GetPrivateProfileStringA("DisableKey", ("KeyCode" + std::to_string(k)).c_str(), "0", buffer,
                               sizeof buffer, path.c_str());
    }
  });
  bench.Add("    parts: the channel's reads (Handle, TempCode)", n, [&](int) {
    channel.ReadHandle();
    channel.TakeTempCode();
  });
  bench.Add("    parts: the settings file's stamp check", n, [&](int) { settings.Version(); });
  bench.Add("    parts: SendMessageA to the main window", n,
            [&](int) { windows.Send(handle, WM_NULL, 0); });
  bench.Add("    parts: SendInput", n, [&](int i) {
    platform::KeyInput k;
    k.vk = 'K';
    k.scan = 0x25;
    k.flags = (i % 2) ? platform::kKeyEventfKeyUp : 0;
    k.extraInfo = kInjectionMarker;
    input.SendKeys(&k, 1);
  });
  bench.Add("    parts: the dispatcher's TempCode write", n,
            [&](int i) { channel.WriteTempCode(i % 2); });
  bench.Run();
  Pump();

  std::printf("mappings in the file: %d; in the second file also %d of %d programs\n", stored,
              programMappings, kPrograms);
  for (const auto& v : bench.variants) std::printf("%-58s %10.2f us\n", v.name, v.best);
  double unmapped = bench[0], mapped = bench[1], posted = bench[2], whole = bench[3],
         roundTrip = bench[12], profile = bench[13];
  std::printf(
      "ratios to (a): unmapped %.2f, mapped %.2f, mapped with its posted work %.2f, whole key "
      "%.2f\n",
      unmapped / roundTrip, mapped / roundTrip, posted / roundTrip, whole / roundTrip);
  std::printf("(b) over: unmapped %.0f, mapped %.0f, whole key %.0f\n", profile / unmapped,
              profile / mapped, profile / whole);

  // Calls to the system per event, averaged over many events: an unmapped key's events, and a
  // mapped key's events each followed by its injected event coming back through the hook.
  const int count = 200;
  bench::CallCounts unmappedCalls, mappedCalls, backCalls, afterCalls, programsUnmapped,
      programsMapped, shortcutsUnmapped, shortcutsOtherMods, shortcutsFired;
  auto add = [](bench::CallCounts& sum, const bench::CallCounts& to,
                const bench::CallCounts& from) {
    sum.registry += to.registry - from.registry;
    sum.files += to.files - from.files;
    sum.input += to.input - from.input;
    sum.windows += to.windows - from.windows;
    sum.foreground += to.foreground - from.foreground;
    sum.posts += to.posts - from.posts;
  };
  // Adds to sum the calls that work makes.
  auto counted = [&](bench::CallCounts& sum, const std::function<void()>& work) {
    bench::CallCounts before = calls;
    work();
    add(sum, calls, before);
  };
  hook.KeyHookProc(event('Z', 0));  // takes what the variants above left in "TempCode"
  Pump();
  for (int i = 0; i < count; ++i) {
    platform::KeyEvent back = event('K', i);  // the injected event coming back takes "TempCode"
    back.flags = platform::kLlkhfInjected;
    back.extraInfo = kInjectionMarker;
    counted(unmappedCalls, [&] { hook.KeyHookProc(event('Z', i)); });
    counted(mappedCalls, [&] { hook.KeyHookProc(event('A', i)); });
    counted(backCalls, [&] { hook.KeyHookProc(back); });
    counted(afterCalls, Pump);  // the message loop turns: what the hook posted runs
    counted(programsUnmapped, [&] { programsHook.KeyHookProc(event('Z', i)); });
    counted(programsMapped, [&] { programsHook.KeyHookProc(event('A', i)); });
    programsHook.KeyHookProc(back);
    Pump();
    counted(shortcutsUnmapped, [&] { otherModsHook.KeyHookProc(event('Z', i)); });
    counted(shortcutsOtherMods, [&] { otherModsHook.KeyHookProc(event('A', i)); });
    counted(shortcutsFired, [&] { firedHook.KeyHookProc(event('A', i)); });
    firedHook.KeyHookProc(back);
    Pump();
  }
  auto report = [&](const char* name, const bench::CallCounts& c) {
    auto avg = [&](long n) { return static_cast<double>(n) / count; };
    std::printf(
        "%-44s %5.2f  (registry %.2f, files %.2f, input %.2f, windows %.2f, foreground %.2f; "
        "posts %.2f)\n",
        name, avg(c.total()), avg(c.registry), avg(c.files), avg(c.input), avg(c.windows),
        avg(c.foreground), avg(c.posts));
  };
  std::printf("calls to the system per event (posts apart: no call that waits):\n");
  report("  unmapped key event", unmappedCalls);
  report("  mapped key event", mappedCalls);
  report("  its injected event coming back", backCalls);
  report("  after the hook: the posted work of the two", afterCalls);
  report("  20 programs: unmapped key event", programsUnmapped);
  report("  20 programs: mapped key event (own mapping)", programsMapped);
  report("  100 shortcuts: unmapped key event", shortcutsUnmapped);
  report("  100 shortcuts: the key with other modifiers", shortcutsOtherMods);
  report("  100 shortcuts: fired shortcut event", shortcutsFired);
  fired.dispatcher.LoseSight(false);  // the Ctrl it pressed again goes up
  std::printf(
      "fired shortcut / (a): %.2f; two roles, per event / (a): tap %.2f, hold %.2f, "
      "layer %.2f\n",
      bench[8] / roundTrip, bench[9] / 2 / roundTrip, bench[10] / 4 / roundTrip,
      bench[11] / 4 / roundTrip);

  // The tail: first on a quiet machine, then while another process rewrites the settings
  // file. As in the program, the folder watch posts a look at the file to the main thread,
  // which takes it between events (here when the loop pumps); the hook reads only the snapshot.
  win32::Win32FolderWatcher folderWatcher;
  SettingsWatch watch(settings, folderWatcher, realScheduler, [](const std::string&) {});
  bool watching = watch.Start();
  auto tail = [&](const char* title) {
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    Tail all, plain;
    const int events = 100000;
    all.us.reserve(events);
    for (int i = 0; i < events; ++i) {
      bool mapped = i % 8 >= 6;  // one event pair in four is a mapped key's
      LARGE_INTEGER a, b;
      QueryPerformanceCounter(&a);
      hook.KeyHookProc(event(mapped ? 'A' : 'Z', i));
      QueryPerformanceCounter(&b);
      double us =
          1e6 * static_cast<double>(b.QuadPart - a.QuadPart) / static_cast<double>(f.QuadPart);
      all.us.push_back(us);
      if (!mapped) plain.us.push_back(us);
      if (i % 256 == 255) Pump();  // the injected keys reach the window between events
    }
    std::sort(all.us.begin(), all.us.end());
    std::sort(plain.us.begin(), plain.us.end());
    std::printf("tail over %d events, %s:\n", events, title);
    std::printf(
        "  all events:      longest %8.1f us, 99.9th percentile %6.1f us, median %5.1f us\n",
        all.Max(), all.Percentile(0.999), all.Percentile(0.5));
    std::printf(
        "  unmapped events: longest %8.1f us, 99.9th percentile %6.1f us, median %5.1f us\n",
        plain.Max(), plain.Percentile(0.999), plain.Percentile(0.5));
  };
  tail("nobody writing the settings file");

  std::uint64_t firstVersion = settings.SnapshotVersion();
  HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, kStopEvent);
  PROCESS_INFORMATION rewriter = StartRewriter(path);
  Sleep(200);  // let it get going
  tail("another process rewriting the settings file");
  if (stop) SetEvent(stop);
  DWORD rewrites = 0;
  if (rewriter.hProcess) {
    WaitForSingleObject(rewriter.hProcess, 10000);
    GetExitCodeProcess(rewriter.hProcess, &rewrites);
    CloseHandle(rewriter.hProcess);
    CloseHandle(rewriter.hThread);
  }
  if (stop) CloseHandle(stop);
  std::printf("  (rewritten %lu times meanwhile; snapshot %s, %llu new versions taken)\n",
              static_cast<unsigned long>(rewrites), watching ? "watched" : "NOT watched",
              static_cast<unsigned long long>(settings.SnapshotVersion() - firstVersion));
  if (g_errors.count) std::printf("errors: %d\n", g_errors.count);

  DestroyWindow(window);
  DeleteFileA(path.c_str());
  DeleteFileA(programsFile.path().c_str());
  RemoveDirectoryA(folder.c_str());
  return 0;
}
