// velmora-probe: the harness's eyes and hands inside the Wine session. Lists top-level windows
// with their client sizes and a window's controls with their places on the screen, finds where
// a part of a window's frame is, and posts messages to windows.
//   velmora-probe windows            one JSON object per top-level window
//   velmora-probe children HWND      one JSON object per control inside the window
//   velmora-probe hittest HWND CODE  the screen point "x y" nearest the window's top right whose
//                                    hit-test answer is CODE (20: the close box)
//   velmora-probe post HWND MSG [WPARAM [LPARAM]]
//   velmora-probe send HWND MSG [WPARAM [LPARAM]]   the same, returning once it is handled
//   velmora-probe watch X Y MS       the screen pixel at (X, Y) for MS milliseconds: "ready", then
//                                    "t r g b" at the start and whenever it changes (t in ms)
//   velmora-probe layered PID MS     every change of the process's layered windows for MS
//   velmora-probe gdi PID            how many GDI objects the process holds
//   velmora-probe message NAME       the number of the registered window message NAME
//   velmora-probe copydata HWND WPARAM FILE [WATCHED QUIET_MS]
//                                    sends FILE's bytes to the window by copy-data and prints the
//                                    answer; with WATCHED, then "first free last": the ms after
//                                    the send at which that window's pixels on the screen first
//                                    changed, its thread answered again, and they last changed
//                                    (once they stayed the same for QUIET_MS; 0: as soon as the
//                                    thread answers). Figures only: a paint held up longer than
//                                    QUIET_MS ends the wait early, so tests read back the look
//                                    they expect themselves
//   velmora-probe accessible HWND    what the platform's accessibility interface answers for
//                                    the window: role, name, state and value
//   velmora-probe serve              the commands above read from standard input, one per line
//                                    with tab-separated fields, each one's output ended by a
//                                    line of the record separator and its exit code
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "tests/harness/win32/accessible.h"
#include "tests/harness/win32/gdi_count.h"
#include "tests/harness/win32/json_text.h"

namespace {

using velmora::harness::JsonString;

// The window region's rectangles in window coordinates, or null without a region.
std::string RegionJson(HWND window) {
  HRGN region = CreateRectRgn(0, 0, 0, 0);
  std::string json = "null";
  if (GetWindowRgn(window, region) != ERROR) {
    const DWORD size = GetRegionData(region, 0, nullptr);
    std::vector<char> buffer(size);
    auto* data = reinterpret_cast<RGNDATA*>(buffer.data());
    if (size && GetRegionData(region, size, data)) {
      const auto* rects = reinterpret_cast<const RECT*>(data->Buffer);
      std::string list;
      for (DWORD i = 0; i < data->rdh.nCount; ++i) {
        char item[80];
        std::snprintf(item, sizeof item, "%s[%ld, %ld, %ld, %ld]", i ? ", " : "", rects[i].left,
                      rects[i].top, rects[i].right, rects[i].bottom);
        list += item;
      }
      json = "[" + list + "]";
    }
  }
  DeleteObject(region);
  return json;
}

// The skin engine's marks on a window.
std::string PropsJson(HWND window) {
  std::string json = "[";
  for (const wchar_t* name : {L"ACSDATA", L"ACSBSC"}) {
    if (!GetPropW(window, name)) continue;
    if (json.size() > 1) json += ", ";
    json += JsonString(name);
  }
  return json + "]";
}

BOOL CALLBACK PrintWindow(HWND window, LPARAM) {
  wchar_t caption[512] = {};
  wchar_t className[256] = {};
  GetWindowTextW(window, caption, 512);
  GetClassNameW(window, className, 256);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  RECT client{};
  RECT frame{};
  GetClientRect(window, &client);
  GetWindowRect(window, &frame);
  const LONG style = GetWindowLongW(window, GWL_STYLE);
  std::printf(
      "{\"hwnd\": %lu, \"pid\": %lu, \"caption\": %s, \"class\": %s, \"visible\": %s, "
      "\"client\": [%ld, %ld], \"frame\": [%ld, %ld, %ld, %ld], \"style\": %lu, "
      "\"region\": %s}\n",
      static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)),
      static_cast<unsigned long>(pid), JsonString(caption).c_str(), JsonString(className).c_str(),
      IsWindowVisible(window) ? "true" : "false", client.right, client.bottom, frame.left,
      frame.top, frame.right, frame.bottom, static_cast<unsigned long>(style),
      RegionJson(window).c_str());
  return TRUE;
}

BOOL CALLBACK PrintChild(HWND window, LPARAM) {
  wchar_t caption[512] = {};
  wchar_t className[256] = {};
  GetWindowTextW(window, caption, 512);
  GetClassNameW(window, className, 256);
  RECT frame{};
  GetWindowRect(window, &frame);
  std::printf(
      "{\"hwnd\": %lu, \"id\": %d, \"caption\": %s, \"class\": %s, \"visible\": %s, "
      "\"enabled\": %s, \"rect\": [%ld, %ld, %ld, %ld], \"style\": %lu, \"props\": %s}\n",
      static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)), GetDlgCtrlID(window),
      JsonString(caption).c_str(), JsonString(className).c_str(),
      IsWindowVisible(window) ? "true" : "false", IsWindowEnabled(window) ? "true" : "false",
      frame.left, frame.top, frame.right, frame.bottom,
      static_cast<unsigned long>(GetWindowLongW(window, GWL_STYLE)), PropsJson(window).c_str());
  return TRUE;
}

// Scans the window's top rows from the right for the first point with the given hit-test code.
int FindHit(HWND window, LRESULT code) {
  RECT frame{};
  GetWindowRect(window, &frame);
  for (LONG y = frame.top; y < frame.top + 60 && y < frame.bottom; ++y) {
    for (LONG x = frame.right - 1; x >= frame.left; --x) {
      if (SendMessageW(window, WM_NCHITTEST, 0, MAKELPARAM(x, y)) == code) {
        std::printf("%ld %ld\n", x - 4, y + 4);
        return 0;
      }
    }
  }
  return 1;
}

// The window with the keyboard focus in the thread of the given window, as a number (0: none).
int PrintFocus(HWND window) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return 1;
  std::printf("%lu\n", static_cast<unsigned long>(reinterpret_cast<uintptr_t>(info.hwndFocus)));
  return 0;
}

// The text the window answers to a text request: for a tooltip, the tip it shows.
int PrintText(HWND window) {
  wchar_t text[1024] = {};
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(text),
                           SMTO_ABORTIFHUNG, 5000, &copied)) {
    return 1;
  }
  std::printf("%s\n", JsonString(text).c_str());
  return 0;
}

// Reads the pixel as fast as the display answers: a cross-fade's 12 ms steps are seen one by one.
int WatchPixel(int x, int y, DWORD ms) {
  const HDC screen = GetDC(nullptr);
  std::printf("ready\n");
  std::fflush(stdout);
  const DWORD start = GetTickCount();
  COLORREF last = CLR_INVALID;
  for (DWORD now = start; now - start < ms; now = GetTickCount()) {
    const COLORREF c = GetPixel(screen, x, y);
    if (c != last)
      std::printf("%lu %d %d %d\n", now - start, GetRValue(c), GetGValue(c), GetBValue(c));
    last = c;
  }
  ReleaseDC(nullptr, screen);
  return 0;
}

unsigned long Number(const char* text) { return std::strtoul(text, nullptr, 0); }

// What a watch has seen of one layered window, and the last line printed for it.
struct Watch {
  DWORD Pid;
  std::map<HWND, std::string> Last;
};

BOOL CALLBACK NoteLayered(HWND window, LPARAM watchPointer) {
  auto& watch = *reinterpret_cast<Watch*>(watchPointer);
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != watch.Pid || !(GetWindowLongW(window, GWL_EXSTYLE) & WS_EX_LAYERED)) return TRUE;
  wchar_t className[256] = {};
  GetClassNameW(window, className, 256);
  RECT r{};
  GetWindowRect(window, &r);
  char line[512];
  std::snprintf(line, sizeof line,
                "{\"hwnd\": %lu, \"class\": %s, \"visible\": %s, \"frame\": [%ld, %ld, %ld, %ld], "
                "\"exstyle\": %lu}",
                static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)),
                JsonString(className).c_str(), IsWindowVisible(window) ? "true" : "false", r.left,
                r.top, r.right, r.bottom,
                static_cast<unsigned long>(GetWindowLongW(window, GWL_EXSTYLE)));
  std::string& last = watch.Last[window];
  if (last != line) std::printf("%s\n", line);
  last = line;
  return TRUE;
}

// Every change of the process's layered top-level windows for a while, polled each millisecond:
// short animations are over long before a probe of their own could start.
int WatchLayered(DWORD pid, unsigned long milliseconds) {
  Watch watch{pid, {}};
  std::printf("watching\n");
  std::fflush(stdout);
  const ULONGLONG end = GetTickCount64() + milliseconds;
  while (GetTickCount64() < end) {
    EnumWindows(NoteLayered, reinterpret_cast<LPARAM>(&watch));
    for (auto& [window, last] : watch.Last) {
      if (IsWindow(window) || last.empty()) continue;
      std::printf("{\"hwnd\": %lu, \"gone\": true}\n",
                  static_cast<unsigned long>(reinterpret_cast<uintptr_t>(window)));
      last.clear();
    }
    std::fflush(stdout);
    Sleep(1);
  }
  return 0;
}

// The window's pixels as the screen shows them.
std::vector<uint32_t> WindowPixels(HWND window) {
  RECT r{};
  GetWindowRect(window, &r);
  const int width = r.right - r.left, height = r.bottom - r.top;
  if (width <= 0 || height <= 0) return {};
  BITMAPINFO info{};
  info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB};
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  std::vector<uint32_t> pixels;
  if (bitmap) {
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    const auto* first = static_cast<const uint32_t*>(bits);
    pixels.assign(first, first + size_t(width) * size_t(height));
    SelectObject(memory, old);
    DeleteObject(bitmap);
  }
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return pixels;
}

std::optional<std::vector<char>> FileBytes(const char* path) {
  FILE* file = std::fopen(path, "rb");
  if (!file) return std::nullopt;
  std::vector<char> bytes;
  char block[4096];
  for (size_t read; (read = std::fread(block, 1, sizeof block, file)) > 0;)
    bytes.insert(bytes.end(), block, block + read);
  std::fclose(file);
  return bytes;
}

// Sends the file by copy-data; with a watched window, follows its repainting until it is quiet.
int SendCopyData(HWND window, WPARAM wParam, const char* path, HWND watched, DWORD quietMs) {
  auto bytes = FileBytes(path);
  if (!bytes) return 1;
  const std::vector<uint32_t> before = watched ? WindowPixels(watched) : std::vector<uint32_t>{};
  COPYDATASTRUCT data{0, DWORD(bytes->size()), bytes->data()};
  const DWORD start = GetTickCount();
  const LRESULT answer = SendMessageW(window, WM_COPYDATA, wParam, reinterpret_cast<LPARAM>(&data));
  std::printf("%ld\n", static_cast<long>(answer));
  if (!watched) return 0;
  constexpr DWORD kLongestMs = 20000;
  std::vector<uint32_t> last = before;
  DWORD first = 0, latest = 0, quietFrom = 0, handled = 0;
  // The first change shows the load has begun; once the window's thread answers a message again
  // it is over, and only from then on does a quiet spell mean the repainting is done.
  bool changed = false, answered = false;
  for (DWORD now = start; now - start < kLongestMs; now = GetTickCount()) {
    if (answered && now - quietFrom >= quietMs) break;
    std::vector<uint32_t> shown = WindowPixels(watched);
    if (shown != last) {
      latest = now - start;
      if (!changed) first = latest;
      changed = true;
      quietFrom = now;
      last = std::move(shown);
    }
    if (changed && !answered) {
      SendMessageTimeoutW(watched, WM_NULL, 0, 0, SMTO_NORMAL, kLongestMs, nullptr);
      answered = true;
      quietFrom = GetTickCount();
      handled = quietFrom - start;
    }
    Sleep(1);
  }
  std::printf("%lu %lu %lu\n", static_cast<unsigned long>(first),
              static_cast<unsigned long>(handled), static_cast<unsigned long>(latest));
  return 0;
}

HWND WindowArg(const char* text) { return reinterpret_cast<HWND>(static_cast<uintptr_t>(Number(text))); }

// One command; args[0] names it. Returns the exit code the command's own run would have.
int Run(const std::vector<std::string>& args) {
  const std::string command = args.empty() ? "" : args[0];
  const size_t argc = args.size();
  auto arg = [&](size_t i) { return args[i].c_str(); };
  if (command == "windows") {
    EnumWindows(PrintWindow, 0);
    return 0;
  }
  if (command == "children" && argc >= 2) {
    EnumChildWindows(WindowArg(arg(1)), PrintChild, 0);
    return 0;
  }
  if (command == "hittest" && argc >= 3) return FindHit(WindowArg(arg(1)), Number(arg(2)));
  if ((command == "post" || command == "send") && argc >= 3) {
    HWND window = WindowArg(arg(1));
    const UINT message = Number(arg(2));
    const WPARAM wParam = argc > 3 ? Number(arg(3)) : 0;
    const LPARAM lParam = argc > 4 ? static_cast<LPARAM>(Number(arg(4))) : 0;
    if (command == "post") return PostMessageW(window, message, wParam, lParam) ? 0 : 1;
    return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_NORMAL, 30000, nullptr) ? 0
                                                                                             : 1;
  }
  if (command == "watch" && argc >= 4)
    return WatchPixel(int(Number(arg(1))), int(Number(arg(2))), Number(arg(3)));
  if (command == "focus" && argc >= 2) return PrintFocus(WindowArg(arg(1)));
  if (command == "text" && argc >= 2) return PrintText(WindowArg(arg(1)));
  if (command == "layered" && argc >= 3) return WatchLayered(Number(arg(1)), Number(arg(2)));
  if (command == "gdi" && argc >= 2) {
    const std::optional<DWORD> count = velmora::harness::GdiObjectCount(Number(arg(1)));
    if (count) std::printf("%lu\n", static_cast<unsigned long>(*count));
    return count ? 0 : 1;
  }
  if (command == "message" && argc >= 2) {
    const std::wstring name(args[1].begin(), args[1].end());
    std::printf("%u\n", RegisterWindowMessageW(name.c_str()));
    return 0;
  }
  if (command == "copydata" && argc >= 4) {
    const HWND watched = argc >= 6 ? WindowArg(arg(4)) : nullptr;
    return SendCopyData(WindowArg(arg(1)), Number(arg(2)), arg(3), watched,
                        argc >= 6 ? Number(arg(5)) : 0);
  }
  if (command == "accessible" && argc >= 2) {
    std::printf("%s\n", velmora::harness::AccessibleJson(WindowArg(arg(1))).c_str());
    return 0;
  }
  if (command == "show" && argc >= 3) {
    ShowWindow(WindowArg(arg(1)), static_cast<int>(Number(arg(2))));
    return 0;
  }
  std::fprintf(stderr,
               "usage: velmora-probe windows | children HWND | hittest HWND CODE | "
               "post|send HWND MSG [WPARAM [LPARAM]] | show HWND COMMAND | focus HWND | "
               "text HWND | watch X Y MS | layered PID MS | gdi PID | message NAME | "
               "copydata HWND WPARAM FILE [WATCHED QUIET_MS] | accessible HWND | serve\n");
  return 2;
}

std::vector<std::string> Fields(const std::string& line) {
  std::vector<std::string> fields;
  size_t from = 0;
  for (size_t tab; (tab = line.find('\t', from)) != std::string::npos; from = tab + 1)
    fields.push_back(line.substr(from, tab - from));
  fields.push_back(line.substr(from));
  return fields;
}

// Starting a Wine process costs seconds on a busy machine, and a test asks hundreds of
// questions: one process answers them all, each command's output ended by a line "\x1e CODE".
int Serve() {
  char buffer[8192];
  while (std::fgets(buffer, sizeof buffer, stdin)) {
    std::string line(buffer);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
    const int code = Run(Fields(line));
    std::printf("\x1e%d\n", code);
    std::fflush(stdout);
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 2 && std::strcmp(argv[1], "serve") == 0) return Serve();
  return Run(std::vector<std::string>(argv + 1, argv + argc));
}
