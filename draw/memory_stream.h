#pragma once
// A stream over a private copy of some bytes: a fixed global memory block and an IStream on it
// that does not own the block. GDI+ decodes images from it.
#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <span>

namespace draw {

class MemoryStream {
 public:
  MemoryStream() = default;
  ~MemoryStream();
  MemoryStream(const MemoryStream&) = delete;
  MemoryStream& operator=(const MemoryStream&) = delete;

  // Releases what the stream held, copies bytes into a new block and opens a stream on it.
  // Returns the stream, or null when no memory or no stream could be had (then nothing is held).
  IStream* Open(std::span<const std::uint8_t> bytes);

  // Releases the stream and frees the block; nothing when no block is held.
  void Release();

  IStream* GetStream() const { return stream_; }
  HGLOBAL GetBlock() const { return block_; }

 private:
  HGLOBAL block_ = nullptr;
  void* address_ = nullptr;
  IStream* stream_ = nullptr;
};

}  // namespace draw
