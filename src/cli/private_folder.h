// A private temporary folder for one command (its run files, the results text on its way to
// the terminal): made under $TMPDIR or /tmp and removed with everything in it when the
// command ends, whichever way it ends.
#pragma once

#include <filesystem>
#include <string>

namespace tarvel::cli {

class PrivateFolder {
 public:
  PrivateFolder() = default;
  ~PrivateFolder();
  PrivateFolder(const PrivateFolder&) = delete;
  PrivateFolder& operator=(const PrivateFolder&) = delete;

  // Makes the folder unless it is made already; false after printing the problem.
  bool Make();
  // Empty until made.
  const std::filesystem::path& path() const { return path_; }

 private:
  std::filesystem::path path_;
  int cleanup_slot_ = -1;  // removed also when the command is interrupted
};

// The working directory of a command's run: the folder named by --workdir (created when
// missing), else the private folder, made now. Empty after printing the problem.
std::filesystem::path WorkingDirectoryFor(const std::string& workdir, PrivateFolder& scratch);

}  // namespace tarvel::cli
