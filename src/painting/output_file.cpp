// Output files opened with open(2) and handed to Qt.
#include "painting/output_file.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>

namespace tarvel::painting {

std::unique_ptr<QFile> OpenOutputFile(const std::string& path, std::string& reason) {
  const int descriptor = ::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (descriptor < 0) {
    reason = std::generic_category().message(errno);
    return nullptr;
  }
  auto file = std::make_unique<QFile>();
  if (!file->open(descriptor, QIODevice::WriteOnly, QFileDevice::AutoCloseHandle)) {
    ::close(descriptor);
    reason = file->errorString().toStdString();
    return nullptr;
  }
  return file;
}

std::string WriteFailureReason(const QFile& file) {
  return file.error() == QFileDevice::NoError ? std::string("it cannot be written")
                                              : file.errorString().toStdString();
}

}  // namespace tarvel::painting
