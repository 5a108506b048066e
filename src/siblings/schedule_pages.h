// The schedule plotter's printout: the amortisation schedule of "plotter.dat" paged onto a
// printer or PDF, with the banner, logo, watermark and balance graph when the file asks.
#pragma once

#include <string>

#include "platform/page_sink.h"
#include "siblings/plotter_file.h"

namespace tarvel::siblings {

// Pages printed; 0 when the job could not start or was cancelled. date_text replaces the
// "DATE" title.
int PrintSchedule(platform::PageSink& sink, const PlotterFile& file, const std::string& date_text);

}  // namespace tarvel::siblings
