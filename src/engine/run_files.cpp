// The working files of a run: opening, closing and the record lines of the incoming,
// outgoing and event files.
#include "engine/run_files.h"

#include <unistd.h>

#include <charconv>
#include <cstdio>
#include <string>

#include "model/fixed_format.h"

namespace tarvel::engine {

bool FileHandle::Open(const std::filesystem::path& path, const char* mode) {
  Close();
  file_ = std::fopen(path.c_str(), mode);
  return file_ != nullptr;
}

bool FileHandle::OpenReplacing(const std::filesystem::path& path) {
  Close();
  replacing_ = model::CreateTemporaryFile(path.string());
  if (!replacing_) return false;
  file_ = ::fdopen(::dup(replacing_->fd), "w");
  if (file_ == nullptr) {
    model::DiscardTemporaryFile(*replacing_);
    replacing_.reset();
  }
  return file_ != nullptr;
}

void FileHandle::Close() {
  if (file_ != nullptr) {
    const bool flushed = std::fflush(file_) == 0;
    std::fclose(file_);
    file_ = nullptr;
    if (replacing_) {
      if (flushed) {
        model::CommitTemporaryFile(*replacing_);
      } else {
        model::DiscardTemporaryFile(*replacing_);
      }
    }
  }
  replacing_.reset();
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

void RunFiles::CloseAll() {
  plot.Close();
  big.Close();
  outgoing.Close();
  incoming.Close();
  output.Close();
  export_file.Close();
}

}  // namespace tarvel::engine
