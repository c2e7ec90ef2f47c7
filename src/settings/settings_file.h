#pragma once
// One settings file on disk. Every operation first compares the file's stamp (size, last-write
// and creation time) with the one of the text it holds and parses the file again only when the
// file has changed, so each read sees every write made before it, by this program or by any
// other, at the cost of one stamp check. Each write produces the whole new text and replaces
// the file through a temporary file in the same folder, so the file is never left torn.
#include <cstdint>
#include <string>
#include <vector>

#include "platform/files.h"
#include "settings/ini_document.h"

namespace zv {

class SettingsFile {
 public:
  SettingsFile(platform::Files& files, std::string path);

  const std::string& path() const { return path_; }

  // One look at the file for a short piece of work: taking it checks the stamp once, and while
  // it is held reads serve that text without checking again. The hook and the dispatcher decide
  // one key event on one look. Writes made meanwhile start from the file as it is, reach the disk
  // and are seen at once; changes by other programs are seen by the next look.
  class OneLook {
   public:
    explicit OneLook(SettingsFile& file) : file_(file) {
      file_.Current();
      ++file_.looks_;
    }
    ~OneLook() { --file_.looks_; }
    OneLook(const OneLook&) = delete;
    OneLook& operator=(const OneLook&) = delete;

   private:
    SettingsFile& file_;
  };

  // The file's current content: one stamp check, a parse only when the file changed. A file
  // that does not exist reads as empty. The reference stays valid until the next call.
  const IniDocument& Current();
  // Changes whenever the content seen changes (one stamp check), so callers can keep data
  // derived from the file and rebuild it only when this differs.
  std::uint64_t Version();

  // Writes made while a Batch is held change the text at once but reach the disk together, in
  // one replace, when the outermost Batch commits or ends: an operation of many writes (removing
  // a mapping rewrites the whole intercepted-code list) flushes the file once, not per write.
  // An operation that stops with an error still stores what it wrote before the error.
  class Batch {
   public:
    explicit Batch(SettingsFile& file) : file_(file) {
      file_.Fresh();  // the batch starts from the file as it is now
      ++file_.batches_;
    }
    ~Batch();
    // Stores the pending writes now (only the outermost Batch does); throws zv::Error
    // "Unable to write to <path>" when the file cannot be replaced.
    void Commit();
    Batch(const Batch&) = delete;
    Batch& operator=(const Batch&) = delete;

   private:
    SettingsFile& file_;
  };

  bool ValueExists(const std::string& section, const std::string& key);
  std::string ReadString(const std::string& section, const std::string& key,
                         const std::string& def);
  std::vector<std::string> ReadSection(const std::string& section);
  std::vector<std::string> ReadSections();
  // Strict: the text read with the default "0" must be a decimal integer, otherwise throws
  // zv::Error "'%s' is not a valid integer value".
  int ReadIntegerStrict(const std::string& section, const std::string& key);
  // Lenient: decimal, "$hex", "0xhex" or "0Xhex"; anything else gives def.
  int ReadInteger(const std::string& section, const std::string& key, int def);
  // A lenient integer read where any non-zero value is true.
  bool ReadBool(const std::string& section, const std::string& key, bool def);

  // Writes throw zv::Error "Unable to write to <path>" when the file cannot be replaced or the
  // key name cannot be held (IniDocument::CanHoldKey); writes made before stay. A write that
  // would not change the text leaves the file alone.
  void WriteString(const std::string& section, const std::string& key, const std::string& value);
  void WriteInteger(const std::string& section, const std::string& key, int value);
  void WriteBool(const std::string& section, const std::string& key, bool value);
  // Deleting never reports a failure.
  void DeleteKey(const std::string& section, const std::string& key);
  void EraseSection(const std::string& section);
  // Removes the file as a whole (Reset All); false when it could not be removed or did not
  // exist. (Not "DeleteFile": windows.h makes that name a macro.)
  bool RemoveFile();

 private:
  const IniDocument& Fresh();  // checks the stamp, held looks or not; writes start from it
  void Store();                // writes doc_ to disk or throws

  platform::Files& files_;
  std::string path_;
  IniDocument doc_;
  std::string text_;  // the bytes doc_ was parsed from or written as
  platform::FileStamp stamp_;
  bool loaded_ = false;
  void Flush();                // stores what a Batch held back
  int looks_ = 0;              // OneLook objects held
  int batches_ = 0;            // Batch objects held
  bool pending_ = false;       // written under a Batch, not stored yet
  bool unreadable_ = false;    // the file exists but could not be read: writing would lose it
  std::uint64_t version_ = 1;  // callers may take 0 for "nothing derived yet"
};

// The lenient integer form on its own: decimal with an optional sign, "$" or "0x"/"0X" followed
// by up to eight hexadecimal digits (taken as 32 bits); false for anything else.
bool ParseLenientInteger(const std::string& text, int& value);

}  // namespace zv
