#pragma once
// A stream over memory: either a private copy of some bytes (a fixed global block and an
// IStream on it that does not own the block), an empty stream that grows as it is written (a
// movable block that the stream owns), or an existing stream attached to.
//
// What a stream holds may be shared by more than one MemoryStream (an image and its clones read
// from one stream): it is released when the last of them lets go.
#include <windows.h>
#include <objidl.h>

#include <cstdint>
#include <memory>
#include <span>
#include <vector>

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

  // Releases what the stream held and opens an empty stream that grows as it is written; the
  // stream owns its block. Returns the stream, or null (then nothing is held).
  IStream* OpenEmpty();

  // Releases what the stream held and holds a reference on stream. Its block, if it is a stream
  // on global memory, is read but never freed here. False for a null stream.
  bool Attach(IStream* stream);

  // Releases what the stream held and shares what other holds.
  void Share(const MemoryStream& other);

  // Lets go of the stream and, for a copy made by Open, frees the block once no MemoryStream
  // shares it any more. Nothing when nothing is held.
  void Release();

  // The number of bytes in the stream (0 when none is held).
  std::uint64_t GetSize() const;
  IStream* GetStream() const;
  HGLOBAL GetBlock() const;
  // A copy of the whole contents, whatever the stream's current position.
  std::vector<std::uint8_t> GetBytes() const;

 private:
  struct Storage;
  std::shared_ptr<Storage> storage_;
};

}  // namespace draw
