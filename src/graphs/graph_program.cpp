// The graph program receives the plot file's name and the currency word.
#include "graphs/graph_program.h"

namespace tarvel::graphs {

bool StartGraphProgram(platform::Launcher& launcher, const std::filesystem::path& plot_file,
                       const std::string& currency_word) {
  return launcher.StartProgram(kGraphProgram, {plot_file.string(), currency_word}, true);
}

}  // namespace tarvel::graphs
