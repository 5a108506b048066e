// The working files of a run: opening, closing and the record lines of the incoming,
// outgoing and event files.
#include "engine/run_files.h"

#include <string>

namespace tarvel::engine {

bool FileHandle::Open(const std::filesystem::path& path, const char* mode) {
  Close();
  file_ = std::fopen(path.c_str(), mode);
  return file_ != nullptr;
}

void FileHandle::Close() {
  if (file_ != nullptr) {
    std::fclose(file_);
    file_ = nullptr;
  }
}

void RunFiles::Incoming(float age, std::string_view account, double amount) {
  if (!incoming || age < first_shown_age) return;
  const std::string name(account);
  std::fprintf(incoming.get(), "%5.1f\t%s\t%13.2f\n", age, name.c_str(), amount);
}

void RunFiles::Outgoing(float age, std::string_view account, double amount) {
  if (!outgoing || age < first_shown_age) return;
  const std::string name(account);
  std::fprintf(outgoing.get(), "%5.1f\t%s\t%13.2f\n", age, name.c_str(), amount);
}

void RunFiles::EventRecord(float age, std::string_view name, int code, double amount) {
  if (!big || age < first_shown_age) return;
  const std::string text(name);
  std::fprintf(big.get(), "%5.1f\t%s\t%d\t%13.2f\n", age, text.c_str(), code, amount);
}

void RunFiles::CloseAll() {
  plot.Close();
  big.Close();
  outgoing.Close();
  incoming.Close();
  output.Close();
  export_file.Close();
}

}  // namespace tarvel::engine
