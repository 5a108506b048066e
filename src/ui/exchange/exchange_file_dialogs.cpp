// File dialogs of the import and export commands.
#include "ui/exchange/exchange_file_dialogs.h"

namespace tarvel::ui {
namespace {

using platform::FileFilter;

const FileFilter kTextFiles{"Text Files (*.TXT)", "*.txt *.TXT"};
const FileFilter kPrintFiles{"'123' Files (*.PRN)", "*.prn *.PRN"};

platform::FileDialog Dialog(const char* title, std::vector<FileFilter> filters,
                            const char* extension) {
  platform::FileDialog dialog;
  dialog.title = title;
  dialog.filters = std::move(filters);
  dialog.default_extension = extension;
  return dialog;
}

platform::FileDialog TabOpenDialog(const char* title, bool update, const model::Program& program,
                                   const Keywords& keywords) {
  const FileFilter tab_files{"Import Tab Files (*.TVI)", "*.tvi *.TVI"};
  if (!keywords.alternate_tab_filter) return Dialog(title, {tab_files, kTextFiles}, "tvi");
  platform::FileDialog dialog =
      Dialog(title, update ? std::vector{kTextFiles} : std::vector{tab_files, kTextFiles}, "txt");
  dialog.start_folder = program.working_directory;
  return dialog;
}

}  // namespace

platform::FileDialog ExchangeFileDialog(ExchangeFile file, const model::Program& program,
                                        const Keywords& keywords) {
  const FileFilter csv_import{"Import CSV Files (*.CSV)", "*.csv *.CSV"};
  switch (file) {
    case ExchangeFile::NewFromTab:
      return TabOpenDialog("Read Accounts From a Tab File", false, program, keywords);
    case ExchangeFile::UpdateFromTab:
      return TabOpenDialog("Update Accounts From a Tab File", true, program, keywords);
    case ExchangeFile::NewFromComma:
      return Dialog("Read Accounts From a CSV (comma-delimited) File",
                    {csv_import, kTextFiles, kPrintFiles}, "csv");
    case ExchangeFile::UpdateFromComma:
      return Dialog("Update Accounts From a Comma-delimited(*.CSV) File",
                    {csv_import, kTextFiles, kPrintFiles}, "csv");
    case ExchangeFile::ExportTab:
      return Dialog("Export Results To a Tab-delimited File (*.TVE)",
                    {{"Export Tab Files (*.TVE)", "*.tve *.TVE"}, kTextFiles}, "tve");
    case ExchangeFile::ExportComma:
      return Dialog("Export Results To a Comma-delimited File (*.CSV)",
                    {{"Export CSV Files (*.CSV)", "*.csv *.CSV"}, kTextFiles, kPrintFiles}, "csv");
  }
  return {};
}

}  // namespace tarvel::ui
