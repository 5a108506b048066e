// Shared pieces of the fuzz targets: a failed round-trip check stops the fuzzer with the
// input saved, and file readers get their bytes through a file in a private folder.
#pragma once

#include <malloc.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>

namespace tarvel::fuzz {

// Targets that make whole scenarios (a quarter megabyte each) for every input keep such
// buffers in the heap rather than mapping them afresh each time: no page faults per input.
inline void KeepLargeBuffersInTheHeap() {
  mallopt(M_MMAP_THRESHOLD, 64 << 20);
  mallopt(M_TRIM_THRESHOLD, 128 << 20);
}

inline void Check(bool holds, const char* what) {
  if (holds) return;
  std::fprintf(stderr, "round trip broken: %s\n", what);
  std::abort();
}

// A folder made once, reused for every input and removed when the fuzzer exits.
class OwnFolder {
 public:
  explicit OwnFolder(std::string path) : path_(std::move(path)) {}
  ~OwnFolder() {
    std::error_code error;
    if (path_ != ".") std::filesystem::remove_all(path_, error);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

inline const std::string& PrivateFolder() {
  static const OwnFolder folder([] {
    // Memory-backed when the system has it: the durable writer syncs every file it writes.
    std::error_code error;
    const std::filesystem::path base = std::filesystem::is_directory("/dev/shm", error)
                                           ? std::filesystem::path("/dev/shm")
                                           : std::filesystem::temp_directory_path();
    std::string pattern = (base / "tarvel-fuzz-XXXXXX").string();
    return ::mkdtemp(pattern.data()) ? pattern : std::string(".");
  }());
  return folder.path();
}

// Writes the input as the named file of the private folder and returns its path.
inline std::string InputAsFile(const std::uint8_t* data, std::size_t size, const char* name) {
  const std::string path = PrivateFolder() + "/" + name;
  std::ofstream(path, std::ios::binary | std::ios::trunc)
      .write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
  return path;
}

}  // namespace tarvel::fuzz
