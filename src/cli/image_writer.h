// Writes one painted page to a PNG, SVG or PDF file through Qt, without a display.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/canvas.h"

class QGuiApplication;

namespace tarvel::cli {

// Keeps a QGuiApplication alive while Qt paints, making one on the offscreen platform when
// none exists.
class GuiScope {
 public:
  GuiScope();
  ~GuiScope();
  GuiScope(const GuiScope&) = delete;
  GuiScope& operator=(const GuiScope&) = delete;

 private:
  int argc_ = 1;
  char name_[7] = "tarvel";
  char* argv_[2] = {name_, nullptr};
  std::unique_ptr<QGuiApplication> app_;
};

enum class ImageFormat { Png, Svg, Pdf };

// The format named by the file's extension (.png, .svg, .pdf, any case), or false.
bool ImageFormatOf(const std::string& path, ImageFormat& format);

// Paints a page of width x height pixels with paint and writes it to path. On failure
// returns false and sets error to a message for the user.
bool WriteImage(const std::string& path, ImageFormat format, platform::Size size,
                const std::function<void(platform::Canvas&)>& paint, std::string& error);

}  // namespace tarvel::cli
