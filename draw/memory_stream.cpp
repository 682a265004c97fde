#include "draw/memory_stream.h"

#include <cstring>

#include "draw/api.h"

namespace draw {

MemoryStream::~MemoryStream() { Release(); }

IStream* MemoryStream::Open(std::span<const std::uint8_t> bytes) {
  Release();
  block_ = api::GlobalAlloc(GMEM_FIXED | GMEM_ZEROINIT, bytes.size());
  if (!block_) return nullptr;
  address_ = api::GlobalLock(block_);
  // The stream must not free the block: Release does, after the stream is gone.
  if (FAILED(api::CreateStreamOnHGlobal(block_, FALSE, &stream_)) || !stream_ || !address_) {
    Release();
    return nullptr;
  }
  if (!bytes.empty()) std::memcpy(address_, bytes.data(), bytes.size());
  api::GlobalUnlock(block_);
  return stream_;
}

void MemoryStream::Release() {
  if (!block_) return;
  // The stream goes first, so that no stream is left pointing at freed memory.
  if (stream_) stream_->Release();
  stream_ = nullptr;
  api::GlobalFree(block_);
  block_ = nullptr;
  address_ = nullptr;
}

}  // namespace draw
