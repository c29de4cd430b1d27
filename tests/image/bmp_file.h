// The program's bundled pictures read without a toolkit: uncompressed 24- and
// 32-bit Windows bitmaps, the only kind assets/ holds.
#pragma once

#include <string>

#include "ui/pixel_buffer.h"

namespace image_test {

// The picture a resource name (":/assets/menu.bmp") stands for, read from the
// source tree; throws if it is missing or of another kind.
ui::PixelBuffer readBundledBmp(const std::string& resource);

}  // namespace image_test
