#include "platform/win32/win32_clipboard.h"

#include <cstring>

namespace zv::win32 {

namespace {

using Bytes = std::vector<unsigned char>;

Bytes BytesOfMemory(HANDLE memory) {
  Bytes bytes;
  SIZE_T size = memory ? GlobalSize(memory) : 0;
  if (const void* p = size ? GlobalLock(memory) : nullptr) {
    bytes.assign(static_cast<const unsigned char*>(p), static_cast<const unsigned char*>(p) + size);
    GlobalUnlock(memory);
  }
  return bytes;
}

HGLOBAL MemoryOf(const void* data, std::size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (void* p = memory ? GlobalLock(memory) : nullptr) {
    std::memcpy(p, data, size);
    GlobalUnlock(memory);
  }
  return memory;
}

bool IsEnhMetafile(UINT id) {
  return id == CF_ENHMETAFILE || id == CF_DSPENHMETAFILE;
}
bool IsMetafilePict(UINT id) {
  return id == CF_METAFILEPICT || id == CF_DSPMETAFILEPICT;
}

// The bytes of one format of the open clipboard; empty for what cannot be kept: a bitmap or
// palette (the system renders the bitmap as CF_DIB, which is kept), the owner's own display,
// and private handles whose meaning only their program knows.
Bytes CopyOfFormat(UINT id) {
  if (id == CF_BITMAP || id == CF_DSPBITMAP || id == CF_PALETTE || id == CF_OWNERDISPLAY ||
      (id >= CF_PRIVATEFIRST && id <= CF_GDIOBJLAST))
    return {};
  HANDLE data = GetClipboardData(id);
  if (!data) return {};
  if (IsEnhMetafile(id)) {
    auto emf = static_cast<HENHMETAFILE>(data);
    Bytes bytes(GetEnhMetaFileBits(emf, 0, nullptr));
    GetEnhMetaFileBits(emf, static_cast<UINT>(bytes.size()), bytes.data());
    return bytes;
  }
  if (IsMetafilePict(id)) {  // the picture's header, then the metafile's bits
    Bytes header = BytesOfMemory(data);
    if (header.size() < sizeof(METAFILEPICT)) return {};
    METAFILEPICT picture;
    std::memcpy(&picture, header.data(), sizeof picture);
    Bytes bytes(sizeof picture + GetMetaFileBitsEx(picture.hMF, 0, nullptr));
    std::memcpy(bytes.data(), &picture, sizeof picture);
    GetMetaFileBitsEx(picture.hMF, static_cast<UINT>(bytes.size() - sizeof picture),
                      bytes.data() + sizeof picture);
    return bytes;
  }
  return BytesOfMemory(data);
}

// Puts one kept format on the open clipboard, which then owns what was made for it.
void PutFormat(const platform::ClipboardCopy::Format& f) {
  HANDLE handle = nullptr;
  if (IsEnhMetafile(f.id)) {
    handle = SetEnhMetaFileBits(static_cast<UINT>(f.bytes.size()), f.bytes.data());
    if (handle && !SetClipboardData(f.id, handle))
      DeleteEnhMetaFile(static_cast<HENHMETAFILE>(handle));
    return;
  }
  if (IsMetafilePict(f.id)) {
    METAFILEPICT picture;
    std::memcpy(&picture, f.bytes.data(), sizeof picture);
    picture.hMF = SetMetaFileBitsEx(static_cast<UINT>(f.bytes.size() - sizeof picture),
                                    f.bytes.data() + sizeof picture);
    handle = MemoryOf(&picture, sizeof picture);
  } else {
    handle = MemoryOf(f.bytes.data(), f.bytes.size());
  }
  if (handle && !SetClipboardData(f.id, handle)) GlobalFree(handle);
}

void PutText(const std::string& text) {
  if (HGLOBAL memory = MemoryOf(text.c_str(), text.size() + 1)) {
    if (!SetClipboardData(CF_TEXT, memory)) GlobalFree(memory);  // kept by the system otherwise
  }
}

}  // namespace

bool Win32Clipboard::ReplaceText(const std::string& text) {
  if (!OpenClipboard(owner_)) return false;
  EmptyClipboard();
  PutText(text);
  CloseClipboard();
  return true;
}

bool Win32Clipboard::ReplaceTextKeeping(const std::string& text,
                                        platform::ClipboardCopy& previous) {
  if (!OpenClipboard(owner_)) return false;
  previous.sequence = GetClipboardSequenceNumber();
  previous.formats.clear();
  for (UINT id = EnumClipboardFormats(0); id != 0; id = EnumClipboardFormats(id)) {
    Bytes bytes = CopyOfFormat(id);
    if (!bytes.empty()) previous.formats.push_back({id, std::move(bytes)});
  }
  EmptyClipboard();
  PutText(text);
  CloseClipboard();
  return true;
}

platform::PutBackResult Win32Clipboard::PutBack(const platform::ClipboardCopy& copy,
                                                std::uint32_t sequence) {
  if (!OpenClipboard(owner_)) return platform::PutBackResult::kHeld;
  if (GetClipboardSequenceNumber() != sequence) {
    CloseClipboard();
    return platform::PutBackResult::kChanged;
  }
  EmptyClipboard();
  for (const auto& format : copy.formats) PutFormat(format);
  CloseClipboard();
  return platform::PutBackResult::kDone;
}

std::string Win32Clipboard::Text() {
  if (!OpenClipboard(owner_)) return std::string();
  std::string text;
  if (HANDLE data = GetClipboardData(CF_TEXT)) {
    if (const char* bytes = static_cast<const char*>(GlobalLock(data))) {
      text.assign(bytes, strnlen(bytes, GlobalSize(data)));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

}  // namespace zv::win32
