#pragma once
#include <string>

#include "picturegen/canvas.h"

namespace picturegen {

// Each throws std::runtime_error when the file cannot be written.
void WriteJpeg(const std::string& path, const Canvas& canvas, int quality);
// An icon file with one 32-bit picture.
void WriteIcon(const std::string& path, const Canvas& canvas);
// A 32-bit bitmap file, alpha premultiplied as image lists draw it.
void WriteBitmap(const std::string& path, const Canvas& canvas);

}  // namespace picturegen
