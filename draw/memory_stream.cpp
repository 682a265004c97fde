#include "draw/memory_stream.h"

#include <algorithm>
#include <cstring>

#include "draw/api.h"

namespace draw {

// The block, the stream on it, and whether the block is ours to free (a copy made by Open) or
// the stream's or someone else's.
struct MemoryStream::Storage {
  HGLOBAL block = nullptr;
  IStream* stream = nullptr;
  bool freeBlock = false;

  Storage() = default;
  Storage(const Storage&) = delete;
  Storage& operator=(const Storage&) = delete;
  ~Storage() {
    // The stream goes first, so that no stream is left pointing at freed memory.
    if (stream) stream->Release();
    if (freeBlock && block) api::GlobalFree(block);
  }
};

MemoryStream::~MemoryStream() { Release(); }

IStream* MemoryStream::Open(std::span<const std::uint8_t> bytes) {
  Release();
  auto storage = std::make_shared<Storage>();
  storage->block = api::GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes.size());
  if (!storage->block) return nullptr;
  storage->freeBlock = true;
  void* address = api::GlobalLock(storage->block);
  // The stream must not free the block: the storage does, after the stream is gone.
  if (!address || FAILED(api::CreateStreamOnHGlobal(storage->block, FALSE, &storage->stream)) ||
      !storage->stream) {
    if (address) api::GlobalUnlock(storage->block);
    storage->stream = nullptr;
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(address, bytes.data(), bytes.size());
  api::GlobalUnlock(storage->block);
  storage_ = std::move(storage);
  return storage_->stream;
}

IStream* MemoryStream::OpenEmpty() {
  Release();
  auto storage = std::make_shared<Storage>();
  const HGLOBAL block = api::GlobalAlloc(GMEM_MOVEABLE, 0);
  if (!block) return nullptr;
  if (FAILED(api::CreateStreamOnHGlobal(block, TRUE, &storage->stream)) || !storage->stream) {
    storage->stream = nullptr;
    api::GlobalFree(block);
    return nullptr;
  }
  // From here on the stream frees the block when it is released.
  storage->block = block;
  storage_ = std::move(storage);
  return storage_->stream;
}

bool MemoryStream::Attach(IStream* stream) {
  Release();
  if (!stream) return false;
  auto storage = std::make_shared<Storage>();
  stream->AddRef();
  storage->stream = stream;
  HGLOBAL block = nullptr;
  if (SUCCEEDED(api::GetHGlobalFromStream(stream, &block))) storage->block = block;
  storage_ = std::move(storage);
  return true;
}

void MemoryStream::Share(const MemoryStream& other) {
  if (&other == this) return;
  storage_ = other.storage_;
}

void MemoryStream::Release() { storage_.reset(); }

IStream* MemoryStream::GetStream() const { return storage_ ? storage_->stream : nullptr; }

HGLOBAL MemoryStream::GetBlock() const { return storage_ ? storage_->block : nullptr; }

// The stream's own size: a global block may be larger than what was written to it.
std::uint64_t MemoryStream::GetSize() const {
  IStream* stream = GetStream();
  STATSTG stat{};
  if (!stream || FAILED(stream->Stat(&stat, STATFLAG_NONAME))) return 0;
  return stat.cbSize.QuadPart;
}

std::vector<std::uint8_t> MemoryStream::GetBytes() const {
  IStream* stream = GetStream();
  if (!stream) return {};
  std::uint64_t size = GetSize();
  // A growing stream may have moved to another block since it was opened: ask it for its own.
  HGLOBAL block = nullptr;
  if (SUCCEEDED(api::GetHGlobalFromStream(stream, &block)) && block) {
    size = std::min<std::uint64_t>(size, api::GlobalSize(block));
    if (size == 0) return {};
    const auto* address = static_cast<const std::uint8_t*>(api::GlobalLock(block));
    if (!address) return {};
    std::vector<std::uint8_t> bytes(address, address + size);
    api::GlobalUnlock(block);
    return bytes;
  }
  // Not on global memory: read it from the start, then put the position back.
  ULARGE_INTEGER position{};
  if (FAILED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_CUR, &position))) return {};
  std::vector<std::uint8_t> bytes;
  if (SUCCEEDED(stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr))) {
    std::uint8_t chunk[4096];
    ULONG read = 0;
    while (SUCCEEDED(stream->Read(chunk, sizeof chunk, &read)) && read > 0)
      bytes.insert(bytes.end(), chunk, chunk + read);
  }
  LARGE_INTEGER back;
  back.QuadPart = static_cast<LONGLONG>(position.QuadPart);
  stream->Seek(back, STREAM_SEEK_SET, nullptr);
  return bytes;
}

}  // namespace draw
