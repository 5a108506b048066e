// The file dialogs of the account import and export, with their titles, filters and default
// extensions. The desktop's dialog always adds "All Files" itself.
#pragma once

#include "model/program.h"
#include "platform/prompter.h"
#include "ui/shell/keywords.h"

namespace tarvel::ui {

enum class ExchangeFile {
  NewFromTab,     // 441
  NewFromComma,   // 442
  UpdateFromTab,  // 444
  UpdateFromComma,
  ExportTab,  // 446
  ExportComma,
};

// With the alternate tab-file filter ("VOSK"), the tab-file open dialogs start in the working
// directory with the default extension "txt", and the update dialog offers text files only.
platform::FileDialog ExchangeFileDialog(ExchangeFile file, const model::Program& program,
                                        const Keywords& keywords);

}  // namespace tarvel::ui
