#include "ui/win32/bitmap.h"

#include <cstring>

#include "ui/win32/application.h"

namespace velmora::ui {

UniqueBitmap BitmapFromPixels(int width, int height, std::span<const uint32_t> pixels) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof(info.bmiHeader);
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // rows top to bottom
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  UniqueBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (bitmap) std::memcpy(bits, pixels.data(), pixels.size_bytes());
  return bitmap;
}

std::span<const uint8_t> ResourceBytes(int id, const wchar_t* type) {
  HMODULE module = Application::Instance().Module();
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const uint8_t*>(data), SizeofResource(module, found)};
}

UniqueBitmap LoadBitmapResource(int id) {
  return UniqueBitmap(static_cast<HBITMAP>(LoadImageW(Application::Instance().Module(),
                                                      MAKEINTRESOURCEW(id), IMAGE_BITMAP, 0, 0,
                                                      LR_CREATEDIBSECTION)));
}

}  // namespace velmora::ui
