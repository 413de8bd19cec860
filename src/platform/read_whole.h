// Reading a file straight through, chunk by chunk, for the file system ports: the whole
// content or a failure, never the part before a chunk that failed (a network drive gone
// in the middle, a bad sector), which would pass for a shorter file.
#pragma once

#include <cstddef>
#include <string>

namespace dovevar {

// `readChunk(buffer, capacity, got)` reads the next chunk into `buffer`, sets `got` (0 at
// the end of the file) and gives false when the read failed. On a failure `bytes` is left
// empty.
template <typename ReadChunk>
bool readWhole(ReadChunk&& readChunk, std::string& bytes) {
  bytes.clear();
  char chunk[65536];
  for (;;) {
    std::size_t got = 0;
    if (!readChunk(chunk, sizeof(chunk), got)) {
      bytes.clear();
      return false;
    }
    if (got == 0) return true;
    bytes.append(chunk, got);
  }
}

}  // namespace dovevar
