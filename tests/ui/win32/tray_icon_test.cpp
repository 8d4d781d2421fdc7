// The notification-area icon against a recording shell: what it sends and when, and what the
// shell's notifications do to it.
#include "ui/win32/tray_icon.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <vector>

namespace velmora::ui {
namespace {

struct Sent {
  DWORD command;
  NOTIFYICONDATAA record;
};

class RecordingShell {
 public:
  TCustomTrayIcon::ShellNotify Call() {
    return [this](DWORD command, NOTIFYICONDATAA& record) {
      sent.push_back({command, record});
      return !(refuseAdd && command == NIM_ADD) && !(refuseDelete && command == NIM_DELETE);
    };
  }
  int Count(DWORD command) const {
    int count = 0;
    for (const Sent& s : sent) count += s.command == command;
    return count;
  }
  HWND Window() const { return sent.empty() ? nullptr : sent.back().record.hWnd; }

  std::vector<Sent> sent;
  bool refuseAdd = false, refuseDelete = false;
};

constexpr UINT kCallback = WM_USER + 1;
constexpr UINT_PTR kAnimationTimer = 1;

// One 16 x 16 picture per colour.
class Pictures {
 public:
  explicit Pictures(std::initializer_list<COLORREF> colours) {
    for (COLORREF colour : colours) {
      std::vector<COLORREF> pixels(16 * 16, colour);
      UniqueBitmap bitmap(CreateBitmap(16, 16, 1, 32, pixels.data()));
      list.Add(bitmap.get());
    }
  }
  ImageList list{16, 16};
};

class TrayIcon : public ::testing::Test {
 protected:
  TrayIcon() { icon.SetVisible(true); }

  RecordingShell shell;
  HICON applicationIcon = LoadIconW(nullptr, IDI_APPLICATION);
  TCustomTrayIcon icon{applicationIcon, L"Velmora", shell.Call()};
};

TEST_F(TrayIcon, ComesBackWhenTheNotificationAreaRestartsWhileVisible) {
  ASSERT_EQ(shell.Count(NIM_ADD), 1);
  const HWND window = shell.Window();
  // The record up to the balloon flags: 488 bytes, 504 where pointers take 8.
  EXPECT_EQ(shell.sent.back().record.cbSize, sizeof(void*) == 4 ? 488u : 504u);
  EXPECT_EQ(shell.sent.back().record.uID, static_cast<UINT>(reinterpret_cast<UINT_PTR>(window)));
  SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(shell.Count(NIM_ADD), 2);
  icon.SetVisible(false);
  SendMessageW(window, RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(shell.Count(NIM_ADD), 2) << "a hidden icon stays away";
}

// The shell reports a double click only to a window whose class asks for them; without, the
// second press comes as another click. (Wine's own tray reports double clicks either way.)
TEST_F(TrayIcon, ItsWindowAsksForDoubleClicks) {
  EXPECT_TRUE(GetClassLongW(shell.Window(), GCL_STYLE) & CS_DBLCLKS);
}

TEST(TrayIconRefused, ARefusedAddLeavesTheIconHiddenAndTheNextShowTriesAgain) {
  RecordingShell shell;
  shell.refuseAdd = true;
  TCustomTrayIcon icon(LoadIconW(nullptr, IDI_APPLICATION), L"Velmora", shell.Call());
  try {
    icon.SetVisible(true);
    ADD_FAILURE() << "a refused add passed";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Cannot create shell notification icon");
  }
  EXPECT_FALSE(icon.Visible());
  const size_t before = shell.sent.size();
  SendMessageW(shell.Window(), RegisterWindowMessageW(L"TaskbarCreated"), 0, 0);
  EXPECT_EQ(shell.sent.size(), before) << "nothing to bring back";
  shell.refuseAdd = false;
  icon.SetVisible(true);
  EXPECT_TRUE(icon.Visible());
  EXPECT_EQ(shell.Count(NIM_ADD), 2);
}

TEST_F(TrayIcon, ARefusedRemoveIsReported) {
  shell.refuseDelete = true;
  try {
    icon.SetVisible(false);
    ADD_FAILURE() << "a refused remove passed";
  } catch (const std::runtime_error& e) {
    EXPECT_STREQ(e.what(), "Cannot remove shell notification icon");
  }
  EXPECT_EQ(shell.Count(NIM_DELETE), 1);
  shell.refuseDelete = false;
}

TEST_F(TrayIcon, TheBalloonFlagGoesWhenTheBalloonHidesOrTimesOut) {
  for (const LPARAM gone : {LPARAM(NIN_BALLOONHIDE), LPARAM(NIN_BALLOONTIMEOUT)}) {
    icon.SetBalloonFlags(BalloonFlags::bfWarning);
    icon.ShowBalloonHint();
    EXPECT_EQ(shell.sent.back().command, DWORD(NIM_MODIFY));
    EXPECT_TRUE(shell.sent.back().record.uFlags & NIF_INFO);
    EXPECT_EQ(shell.sent.back().record.dwInfoFlags, 2u);
    SendMessageW(shell.Window(), kCallback, 0, gone);
    icon.SetHint("next");  // any later modify shows the record as it is now
    EXPECT_FALSE(shell.sent.back().record.uFlags & NIF_INFO) << gone;
    EXPECT_TRUE(shell.sent.back().record.uFlags & NIF_TIP);
  }
}

TEST_F(TrayIcon, TheAnimationStepsThroughThePicturesAndStartsOver) {
  Pictures pictures{RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255)};
  icon.SetIcons(&pictures.list);
  icon.SetAnimate(true);
  int animated = 0;
  icon.OnAnimate = [&] { ++animated; };
  std::vector<int> indexes;
  std::vector<HICON> shown;
  for (int step = 0; step < 4; ++step) {
    const size_t before = shell.sent.size();
    SendMessageW(shell.Window(), WM_TIMER, kAnimationTimer, 0);
    indexes.push_back(icon.IconIndex());
    ASSERT_GT(shell.sent.size(), before) << "each step shows its picture";
    EXPECT_EQ(shell.sent.back().command, DWORD(NIM_MODIFY));
    shown.push_back(shell.sent.back().record.hIcon);
  }
  EXPECT_EQ(indexes, (std::vector<int>{1, 2, 0, 1}));
  EXPECT_EQ(animated, 4);
  for (HICON picture : shown) EXPECT_NE(picture, nullptr);
  EXPECT_NE(shown[0], shown[1]);
}

}  // namespace
}  // namespace velmora::ui
