#pragma once
// The recent settings files: paths in the registry (values "1", "2", ..., "1" the newest, at
// most Max + 1 of them) and entries in the tray's "Settings File" submenu, below its three fixed
// items (load, save as, separator). An entry's caption is the upper-cased file name of a path,
// the newest at position 3; the menu shows at most Max entries. The list is written under one
// root (HKEY_LOCAL_MACHINE where this user may write, else HKEY_CURRENT_USER) and read from
// both, the written one taken as the newer; a path in both is listed once.
#include <functional>
#include <string>

#include "platform/registry.h"
#include "settings/registry_places.h"

namespace zv {

inline constexpr const char* kRecentFilesPath =
    "HKEY_LOCAL_MACHINE\\SOFTWARE\\Quillon\\RecentFiles";

// The "Settings File" submenu as the recent list sees it.
class RecentMenu {
 public:
  virtual ~RecentMenu() = default;
  virtual int Count() = 0;
  virtual std::string Caption(int position) = 0;
  virtual void Remove(int position) = 0;
  // A new recent-file entry with caption at position.
  virtual void InsertEntry(int position, const std::string& caption) = 0;
  virtual void Move(int from, int to) = 0;
};

class TRecentFiles {
 public:
  TRecentFiles(platform::Registry& registry, RecentMenu& menu) : registry_(registry), menu_(menu) {}

  std::string RegPath = kRecentFilesPath;
  int Max = 4;
  // Called with the stored path when an entry is chosen.
  std::function<void(const std::string& path)> OnItemClick;

  // StoreRecentPath, then AddRecentMenuItem with the path's file name.
  void AddRecentFile(const std::string& path);
  // Puts path at the top of the registry list. Throws "Failed to set data for '%s'" when the
  // key cannot be written.
  void StoreRecentPath(const std::string& path);
  void AddRecentMenuItem(const std::string& fileName);
  // Start-up: the entries from the registry, the value listed last on top (the other root's
  // values are listed before those of the written one).
  void LoadRecentFiles();
  // The stored path whose file name is the entry's caption (letter case aside); when several
  // are, the last listed. Empty when none is.
  std::string FindRecentPath(const std::string& caption);
  // An entry was chosen: OnItemClick with its path.
  void ItemClick(const std::string& caption);

 private:
  static constexpr int kFixedItems = 3;
  // Both roots' lists as one, in the order the menu is filled (the newest last); see the .cpp.
  std::vector<std::string> StoredPaths(bool create);
  // The key's values in enumeration order; closes the key. Empty for no key.
  std::vector<std::string> ReadPaths(platform::RegistryKey key);

  platform::Registry& registry_;
  RecentMenu& menu_;
};

}  // namespace zv
