// Writes one painted page to a PNG, SVG or PDF file through Qt, without a display.
#pragma once

#include <functional>
#include <string>

#include "platform/canvas.h"

namespace tarvel::cli {

enum class ImageFormat { Png, Svg, Pdf };

// The format named by the file's extension (.png, .svg, .pdf, any case), or false.
bool ImageFormatOf(const std::string& path, ImageFormat& format);

// Paints a page of width x height pixels with paint and writes it to path. On failure
// returns false and sets error to a message for the user.
bool WriteImage(const std::string& path, ImageFormat format, platform::Size size,
                const std::function<void(platform::Canvas&)>& paint, std::string& error);

}  // namespace tarvel::cli
