// Standard output checked like any file: text that did not reach it (a full disk behind a
// redirection, a closed pipe) is a failure with the system's reason.
#pragma once

#include <string>
#include <string_view>
#include <system_error>

namespace tarvel::cli {

// Writes and flushes the text; the reason when it did not all get through.
std::error_code WriteStandardOutput(std::string_view text);
// Flushes what is still buffered; the reason when that, or any earlier write, failed.
std::error_code FlushStandardOutput();
// "Cannot write to standard output: REASON"
std::string StandardOutputMessage(const std::error_code& error);

}  // namespace tarvel::cli
