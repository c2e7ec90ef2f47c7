#pragma once
// One settings file on disk, held parsed in memory.
//
// Two kinds of reader use it. The hook and the dispatcher decide from Snapshot(), which never
// touches the disk: this object's own writes change it at once, and Refresh(), run on the main
// thread when the folder's change notification fires (SettingsWatch), brings in the edits of
// other programs. The editor and the mapping store read and write through the operations below,
// which first compare the file's stamp (size, last-write and creation time) with the one of the
// text held, so every write starts from the file as it is on disk. A stamp taken within the file
// system's time resolution of the write (FileStamp::recent) cannot tell a same-size edit in the
// same tick, so such a text is compared byte for byte at the next look.
//
// A read that fails for a moment (another program holds the file) keeps the last good text in
// force. The text is UTF-8 and may start with a byte-order mark, which is skipped and written
// back; a line that is not UTF-8 was saved by an older editor in the user's ANSI code page and is
// read in it (given a TextCodec), so the program's own writes are UTF-8 throughout. A UTF-16 file
// is refused with a message naming it rather than misread. Each write produces the whole new
// text and replaces the file without ever losing it (ReplaceContent). A file that another
// program holds is not waited for: given a scheduler, the write is kept in memory (the snapshot
// shows it) and tried again by timer; when the file stays held, the snapshot goes back to what
// the file holds and the failure is reported.
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "platform/files.h"
#include "platform/scheduler.h"
#include "platform/text_codec.h"
#include "settings/ini_document.h"

namespace zv {

class SettingsFile {
 public:
  // ansi reads the lines that are not UTF-8; without it they are taken as they are.
  SettingsFile(platform::Files& files, std::string path, platform::TextCodec* ansi = nullptr);
  // A write still waiting for a held file gets a last try.
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  static constexpr int kWriteRetryMs = 25;  // a held file is tried again this often,
  static constexpr int kWriteRetries = 80;  // this many times, before the write is given up
  // With a scheduler, a write to a held file waits in memory and is retried by timer; report
  // gets "Unable to write to <path>" when it is given up. Without one (nullptr, as before the
  // scheduler goes) a waiting write gets its last try now and writes to a held file fail at once.
  void SetScheduler(platform::Scheduler* scheduler,
                    std::function<void(const std::string&)> report = nullptr);

  const std::string& path() const { return path_; }

  // What the hook and the dispatcher decide from: the text last read or written, parsed. Never
  // touches the disk. Empty until the first look at the file.
  const IniDocument& Snapshot() const { return doc_; }
  // Changes whenever the snapshot's content does, without looking at the disk.
  std::uint64_t SnapshotVersion() const { return version_; }
  // Runs listener on the main thread each time the snapshot's content has changed (a write of
  // this object, or a look that took in another program's edit), so data derived from it is
  // worked out there and never on the hook's path. Returns an id for UnwatchSnapshot. The
  // listener must not throw.
  int WatchSnapshot(std::function<void()> listener);
  void UnwatchSnapshot(int id);

  enum class Refreshed {
    Unchanged,   // the file holds the text of the snapshot
    Deferred,    // a batch of writes is open: look again once it has ended
    Changed,     // the snapshot now holds the file's new text
    Unreadable,  // the file could not be read (held by another program): the snapshot stays
    Refused,     // the file is in an encoding the program does not read: the snapshot stays
  };
  // Looks at the disk: one stamp check, and a read when the stamp changed or cannot tell.
  Refreshed Refresh();
  // Why the file is refused (a UTF-16 file), or empty; writes fail with this text meanwhile.
  const std::string& refusal() const { return refusal_; }

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
  // IniDocument::ReadRawString of the current content.
  std::string ReadRawString(const std::string& section, const std::string& key);
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
  // Removes the file as a whole (Reset All); false when there was none. A file that stays
  // (another program holds it, the folder forbids deleting) throws zv::Error "Unable to reset
  // <path>..." with nothing changed. (Not "DeleteFile": windows.h makes that name a macro.)
  bool RemoveFile();

 private:
  const IniDocument& Fresh();    // checks the stamp; writes start from it
  Refreshed Load();              // the stamp check and, when needed, the read
  bool Take(std::string bytes);  // the bytes read; true when the content changed
  IniDocument Parse(const std::string& bytes) const;
  std::string Bytes() const;  // what doc_ is written as
  void Store();               // writes doc_ to disk, waits for a held file, or throws
  void Stored(std::string bytes);
  void Retry(int triesLeft);  // the timer's next try of a waiting write
  void StopWaiting();
  void ThrowIfBlocked();   // a write over a file not read would lose its content
  void Flush();            // stores what a Batch held back
  void SnapshotChanged();  // a new version: the listeners hear of it

  platform::Files& files_;
  std::string path_;
  platform::TextCodec* ansi_;
  platform::Scheduler* scheduler_ = nullptr;
  std::function<void(const std::string&)> report_;
  platform::TimerId retry_ = 0;
  bool waiting_ = false;  // doc_ holds writes that wait for the file to be let go
  IniDocument doc_;
  std::string text_;     // the bytes doc_ was parsed from or written as (with any byte-order mark)
  std::string written_;  // what the document parsed from text_ is written as
  platform::FileStamp stamp_;
  bool loaded_ = false;
  bool suspect_ = false;       // text_ was taken while a same-tick edit could keep the stamp
  int batches_ = 0;            // Batch objects held
  bool pending_ = false;       // written under a Batch, not stored yet
  bool unreadable_ = false;    // the file exists but could not be read: writing would lose it
  std::string refusal_;        // set while the file is in an encoding that is not read
  std::uint64_t version_ = 1;  // callers may take 0 for "nothing derived yet"
  std::map<int, std::function<void()>> listeners_;
  int nextListener_ = 1;
};

// The lenient integer form on its own: decimal with an optional sign, "$" or "0x"/"0X" followed
// by up to eight hexadecimal digits (taken as 32 bits); false for anything else.
bool ParseLenientInteger(const std::string& text, int& value);

}  // namespace zv
