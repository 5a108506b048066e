// The working files of a run: opening, closing and the record lines of the incoming,
// outgoing and event files.
#include "engine/run_files.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <string>

#include "model/fixed_format.h"

namespace tarvel::engine {

// The stream's buffer is written through this function, so a failing write is seen with its
// reason at the moment it happens, not only as a sticky error flag at the end.
ssize_t FileHandle::WriteThrough(void* cookie, const char* data, std::size_t size) {
  auto* handle = static_cast<FileHandle*>(cookie);
  std::size_t done = 0;
  while (done < size) {
    const ssize_t written = ::write(handle->fd_, data + done, size - done);
    if (written < 0) {
      if (errno == EINTR) continue;
      if (!handle->error_) handle->error_ = {errno, std::generic_category()};
      return static_cast<ssize_t>(done);
    }
    done += static_cast<std::size_t>(written);
  }
  return static_cast<ssize_t>(size);
}

bool FileHandle::Attach(int fd) {
  fd_ = fd;
  cookie_io_functions_t functions{};
  functions.write = &FileHandle::WriteThrough;
  file_ = ::fopencookie(this, "w", functions);
  if (file_ == nullptr) error_ = {errno, std::generic_category()};
  return file_ != nullptr;
}

bool FileHandle::Open(const std::filesystem::path& path) {
  Close();
  path_ = path;
  error_.clear();
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) {
    error_ = {errno, std::generic_category()};
    return false;
  }
  if (Attach(fd)) return true;
  ::close(fd);
  fd_ = -1;
  return false;
}

bool FileHandle::OpenReplacing(const std::filesystem::path& path) {
  Close();
  path_ = path;
  error_.clear();
  replacing_ = model::CreateTemporaryFile(path.string(), error_);
  if (!replacing_) return false;
  if (Attach(replacing_->fd)) return true;
  model::DiscardTemporaryFile(*replacing_);
  replacing_.reset();
  fd_ = -1;
  return false;
}

bool FileHandle::Close() {
  if (file_ == nullptr) return true;
  if (std::fflush(file_) != 0 && !error_) error_ = std::make_error_code(std::errc::io_error);
  std::fclose(file_);  // the stream has no close function: the descriptor stays open
  file_ = nullptr;
  if (replacing_) {
    if (error_) {
      model::DiscardTemporaryFile(*replacing_);
    } else {
      model::CommitTemporaryFile(*replacing_, error_);
    }
    replacing_.reset();
  } else if (::close(fd_) != 0 && !error_) {
    error_ = {errno, std::generic_category()};
  }
  fd_ = -1;
  return !error_;
}

namespace {

// One record line "%5.1f\t%s\t[%d\t]%13.2f\n" (or another amount format), written without
// printf.
void WriteRecord(std::FILE* file, float age, std::string_view name, const int* code, double amount,
                 model::FixedFormat amount_format = model::kMoneyRight) {
  std::string line;
  line.reserve(96);
  model::AppendFixed(line, age, model::kAge);
  line.push_back('\t');
  line.append(name.substr(0, name.find('\0')));  // as %s, up to the first zero byte
  line.push_back('\t');
  if (code != nullptr) {
    char digits[16];
    line.append(digits, std::to_chars(digits, digits + sizeof digits, *code).ptr);
    line.push_back('\t');
  }
  model::AppendFixed(line, amount, amount_format);
  line.push_back('\n');
  std::fwrite(line.data(), 1, line.size(), file);
}

}  // namespace

void WriteAmountRecord(std::FILE* file, float age, std::string_view name, double amount) {
  WriteRecord(file, age, name, nullptr, amount, model::kAmountLeft);
}

void WriteFixed(std::FILE* file, double value, model::FixedFormat format, char after) {
  model::FixedText text;
  const std::string_view digits = text.Write(value, format);
  std::fwrite(digits.data(), 1, digits.size(), file);
  if (after != 0) std::fputc(after, file);
}

void RunFiles::Incoming(float age, std::string_view account, double amount) {
  if (!incoming) return;
  WriteRecord(incoming.get(), age, account, nullptr, amount);
}

void RunFiles::Outgoing(float age, std::string_view account, double amount) {
  if (!outgoing) return;
  WriteRecord(outgoing.get(), age, account, nullptr, amount);
}

void RunFiles::EventRecord(float age, std::string_view name, int code, double amount) {
  if (!big) return;
  WriteRecord(big.get(), age, name, &code, amount);
}

std::vector<const FileHandle*> RunFiles::CloseAll() {
  std::vector<const FileHandle*> failed;
  for (FileHandle* file : {&plot, &big, &outgoing, &incoming, &output, &export_file}) {
    if (!file->Close()) failed.push_back(file);
  }
  return failed;
}

}  // namespace tarvel::engine
