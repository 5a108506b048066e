// The working files a run writes for the graphs and report pages: the plot file and the
// event, outgoing and incoming files, plus the results or print file of modes 1 and 2.
#pragma once

#include <cstdio>
#include <filesystem>
#include <optional>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/atomic_file.h"
#include "model/fixed_format.h"

namespace tarvel::engine {

// One "%5.1f\t%s\t%-11.2f\n" line: age, account name, amount.
void WriteAmountRecord(std::FILE* file, float age, std::string_view name, double amount);

// Writes `value` as printf writes it with `format`, then `after` unless it is 0.
void WriteFixed(std::FILE* file, double value, model::FixedFormat format, char after);

// A C file for writing, closed when it is reset or goes out of scope. Every write reaching
// the system is checked: the first failure is kept with its reason, and Close reports it.
class FileHandle {
 public:
  FileHandle() = default;
  FileHandle(const FileHandle&) = delete;
  FileHandle& operator=(const FileHandle&) = delete;
  ~FileHandle() { Close(); }

  // Creates or empties the file; false with error() set when it cannot be opened.
  bool Open(const std::filesystem::path& path);
  // Writes to a temporary file beside path that replaces it, durably, only on Close, so a
  // crash during the run leaves the old file whole.
  bool OpenReplacing(const std::filesystem::path& path);
  // False when a write, the closing or the replacing failed (nothing to report when the file
  // was not open); error() says why. A replaced file then keeps its old content.
  bool Close();
  std::FILE* get() const { return file_; }
  explicit operator bool() const { return file_ != nullptr; }
  const std::filesystem::path& path() const { return path_; }
  const std::error_code& error() const { return error_; }

 private:
  bool Attach(int fd);
  static ssize_t WriteThrough(void* cookie, const char* data, std::size_t size);

  std::FILE* file_ = nullptr;
  int fd_ = -1;
  std::filesystem::path path_;
  std::error_code error_;
  std::optional<model::TemporaryFile> replacing_;
};

// Record writers do nothing when their file is not open, so a run goes on without it. Events
// that begin before the shown start age write their records from their first simulated year.
struct RunFiles {
  FileHandle plot;
  FileHandle big;       // "bigfile.tmp": event and category records
  FileHandle outgoing;  // "outfile.tmp": money leaving accounts
  FileHandle incoming;  // "infile.tmp": money entering accounts
  FileHandle output;    // results file (mode 1) or print file (mode 2)
  FileHandle export_file;

  // "%5.1f\t%s\t%13.2f\n": age, account name, amount.
  void Incoming(float age, std::string_view account, double amount);
  void Outgoing(float age, std::string_view account, double amount);
  // "%5.1f\t%s\t%d\t%13.2f\n": age, name, code (event kind, 2 incoming, 6 outgoing), amount.
  void EventRecord(float age, std::string_view name, int code, double amount);
  // Closes every file; the ones that could not be written whole, with their reasons.
  std::vector<const FileHandle*> CloseAll();
};

}  // namespace tarvel::engine
