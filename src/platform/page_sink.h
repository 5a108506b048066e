// Where printed pages go: a printer, a PDF file or a test's recording. Each page is a fresh
// canvas covering the printable page.
#pragma once

#include "platform/canvas.h"

namespace tarvel::platform {

class PageSink {
 public:
  virtual ~PageSink() = default;
  // The canvas of the next page; nullptr when the job was cancelled or failed.
  virtual Canvas* BeginPage() = 0;
  virtual void EndPage() = 0;
};

}  // namespace tarvel::platform
