// Names of the files a session and its runs leave in the working directory: the run files,
// the print file, the scratch files of the tools and the working scenario names.
#pragma once

#include <array>

namespace tarvel::model {

// The plot file of a run, read by the graph pages and handed to the sibling programs.
inline constexpr char kPlotFileName[] = "plotinf01.tmp";
// The short form of the plot file's name, deleted at exit as well.
inline constexpr char kPlotFileShortName[] = "PLOTIN~1.TMP";
// The run's event, outgoing and incoming files, read by the report pages.
inline constexpr char kEventRunFileName[] = "bigfile.tmp";
inline constexpr char kOutgoingRunFileName[] = "outfile.tmp";
inline constexpr char kIncomingRunFileName[] = "infile.tmp";
// The file a run to the printer writes its schedule to.
inline constexpr char kPrintFileName[] = "ptmpsch.dat";
// What the scenario is called after a file turned out to be invalid.
inline constexpr char kFallbackScenarioName[] = "tmp01.ret";
// The working file of a new scenario: the start-up counter, then 1.
inline constexpr char kWorkingScenarioFormat[] = "./temp%d%d.ret";
// Files handed to the sibling programs.
inline constexpr char kTradeOffFileName[] = "trade.tmp";
inline constexpr char kRefinanceFileName[] = "ref.tmp";
inline constexpr char kPlotterFileName[] = "plotter.dat";

// The working files deleted at exit, besides the report page files.
inline constexpr std::array<const char*, 19> kExitWorkingFileNames = {
    "bigfile.tmp", "PLOTIN~1.TMP", "BIGFILE.TMP", "OUTFILE.TMP", "INFILE.TMP",
    "TMPFILE.TMP", "TABOUT.TMP",   "TRADE.TMP",   "REF.TMP",     "PPBUDOUT.TMP",
    "BUDOUT.TMP",  "SBUDOUT.TMP",  "HFILES.TMP",  "REFPRT.TMP",  "PBUDOUT.TMP",
    "PSCHED.TMP",  "ptmpsch.dat",  "apage1",      "apage2"};

}  // namespace tarvel::model
