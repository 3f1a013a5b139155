// Tavrel on a screen finer than 96 dots per inch, under Wine with the DPI set
// in a prefix of its own: the window, its boxes and its fonts grow together,
// its skin and button pictures are stretched to their places, the real mouse
// drags it by the background and closes it by the close button where they are
// drawn, and the program tells Windows that it scales itself.
#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <string>

#include "lookup/cp936/fixed_cp936.h"
#include "tavrel/win32/abc_window.h"
#include "tavrel/win32/offscreen_canvas.h"
#include "tavrel/win32/picture.h"
#include "tavrel/win32/resource_ids.h"
#include "tavrel/win32/screen_font.h"
#include "tavrel/win32/system_code_page.h"
#include "tavrel/win32/tray_shell.h"
#include "tavrel/form/window_layout.h"
#include "tests/support/lookup_fakes.h"
#include "tests/support/pixel_area.h"
#include "tests/tavrel/caption_pixels.h"
#include "tests/tavrel/tavrel_process.h"

namespace tavrel::form::testing {
namespace {

// The screen the test was registered for.
int ExpectedDpi() {
  const char* dpi = std::getenv("TAVREL_TEST_DPI");
  return dpi != nullptr ? std::atoi(dpi) : 0;
}

// A design point at 96 dots per inch, on this screen.
POINT Scaled(POINT at_96, int dpi) { return {MulDiv(at_96.x, dpi, 96), MulDiv(at_96.y, dpi, 96)}; }

struct Screen {
  int dpi;
  SIZE window;
  RECT text1;  // client pixels: left, top, right, bottom
  RECT close;  // the close button
};

constexpr Screen kScreens[] = {
    {120, {375, 279}, {125, 78, 319, 103}, {342, 11, 367, 36}},
    {144, {450, 335}, {150, 94, 383, 124}, {410, 13, 440, 43}},
};

const Screen* ThisScreen() {
  for (const Screen& screen : kScreens)
    if (screen.dpi == ExpectedDpi()) return &screen;
  return nullptr;
}

using win32_testing::DifferencesFrom;
using win32_testing::PixelArea;
using win32_testing::ReadPixels;
using win32_testing::ReadWindowPixels;
using form::Image;

RECT RectOf(const form::PixelRect& r) { return {r.left, r.top, r.Right(), r.Bottom()}; }

POINT CentreOf(const form::PixelRect& r) { return {r.left + r.width / 2, r.top + r.height / 2}; }

// One of the program's pictures (this test carries its resources), stretched
// to a place of the window as the system's halftone stretch makes it from the
// picture at its own size; in the window's client pixels.
PixelArea PictureStretchedTo(int resource, const form::PixelRect& place) {
  win32::Picture picture;
  picture.Load(GetModuleHandleW(nullptr), resource);
  HDC screen = GetDC(nullptr);
  const win32::OffscreenCanvas own(screen, picture.Width(), picture.Height());
  const win32::OffscreenCanvas stretched(screen, place.width, place.height);
  ReleaseDC(nullptr, screen);
  picture.Draw(own.Dc(), 0, 0, picture.Width(), picture.Height());
  SetStretchBltMode(stretched.Dc(), HALFTONE);
  SetBrushOrgEx(stretched.Dc(), 0, 0, nullptr);
  StretchBlt(stretched.Dc(), 0, 0, place.width, place.height, own.Dc(), 0, 0, picture.Width(), picture.Height(),
             SRCCOPY);
  return PixelArea(RectOf(place), ReadPixels(stretched.Dc(), {0, 0, place.width, place.height}).Pixels());
}

// Waits until the window shows the expected pixels; what still differs, else
// empty.
std::string DifferencesOnScreen(HWND window, const PixelArea& expected) {
  std::string differences;
  WaitUntil(
      [&] {
        differences = DifferencesFrom(expected, ReadWindowPixels(window, expected.Area()));
        return differences.empty();
      },
      3000);
  return differences;
}

TEST(TavrelScreen, TheSystemTellsTheDpiOfThePrefix) {
  ASSERT_NE(ThisScreen(), nullptr) << "TAVREL_TEST_DPI names no screen of this test";
  EXPECT_EQ(win32::ScreenDotsPerInch(), ExpectedDpi());
}

TEST(TavrelScreen, TheProgramSaysThatItScalesItself) {
  HMODULE program = LoadLibraryExA(DosPath(TAVREL_EXE).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
  ASSERT_NE(program, nullptr);
  HRSRC found = FindResourceW(program, MAKEINTRESOURCEW(1), MAKEINTRESOURCEW(24));  // the manifest
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const char*>(LockResource(LoadResource(program, found)));
  const std::string manifest(bytes, SizeofResource(program, found));
  FreeLibrary(program);
  EXPECT_NE(manifest.find(">true</dpiAware>"), std::string::npos) << manifest;
  EXPECT_NE(manifest.find("{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"), std::string::npos) << "Windows 10 and 11";
  EXPECT_NE(manifest.find("{e2011457-1546-43c5-a5fe-008deee3d3f0}"), std::string::npos) << "Windows Vista";
  EXPECT_EQ(manifest.find("Common-Controls"), std::string::npos) << "the look of the controls stays";
}

TEST(TavrelScreen, TheWindowAndItsBoxesGrowAndTheRealMouseFindsThem) {
  const Screen* screen = ThisScreen();
  ASSERT_NE(screen, nullptr);
  const int dpi = screen->dpi;
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  HWND window = tavrel.Window();

  RECT frame{};
  GetWindowRect(window, &frame);
  EXPECT_EQ(frame.right - frame.left, screen->window.cx);
  EXPECT_EQ(frame.bottom - frame.top, screen->window.cy);
  const RECT text1 = ClientRectOf(tavrel.Box(1), window);
  EXPECT_EQ(text1.left, screen->text1.left);
  EXPECT_EQ(text1.top, screen->text1.top);
  EXPECT_EQ(text1.right, screen->text1.right);
  EXPECT_EQ(text1.bottom, screen->text1.bottom);

  // The lookup and the boxes as at any DPI; a picture for people to look at.
  tavrel.SetText1(L"中行ab好");
  EXPECT_EQ(tavrel.Text(2), L"oi rj abnt");
  EXPECT_EQ(tavrel.Text(3), L"zhong hang(heng xing) ab hao");
  tavrel.MoveMouseTo(-20, -20);
  Sleep(300);
  {
    const POINT origin = tavrel.Origin();
    RunUnix("import -window root -crop " + std::to_string(screen->window.cx) + "x" +
            std::to_string(screen->window.cy) + "+" + std::to_string(origin.x) + "+" + std::to_string(origin.y) +
            " +repage " + TAVREL_SCREENSHOT_DIR + "/tavrel-" + std::to_string(dpi) + "dpi.png");
  }

  // A real drag by the background.
  const POINT on_background = Scaled({150, 36}, dpi);
  const POINT before = tavrel.Origin();
  tavrel.MoveMouseTo(on_background.x, on_background.y);
  tavrel.PressMouse(1);
  MoveMouseOnScreen(before.x + on_background.x + 20, before.y + on_background.y + 10);
  MoveMouseOnScreen(before.x + on_background.x + 40, before.y + on_background.y + 25);
  tavrel.ReleaseMouse(1);
  EXPECT_TRUE(WaitUntil(
      [&] {
        const POINT after = tavrel.Origin();
        return after.x - before.x == 40 && after.y - before.y == 25;
      },
      3000))
      << "moved by " << tavrel.Origin().x - before.x << ", " << tavrel.Origin().y - before.y;

  // A real click on the close button where it is drawn on this screen: its
  // lower right corner, which a 96-dpi place of it would not reach.
  const POINT on_close{screen->close.right - 3, screen->close.bottom - 3};
  tavrel.MoveMouseTo(on_background.x, on_background.y);
  tavrel.MoveMouseTo(on_close.x, on_close.y);
  EXPECT_FALSE(tavrel.HasEnded());
  tavrel.ClickAt(on_close.x, on_close.y);
  EXPECT_TRUE(tavrel.HasEnded(5000)) << "the close button ends the program";
}

// A picture drawn at its own size would leave the far rows and columns of its
// place to what lies beneath: the plain window colour beyond a 96-dpi skin,
// the skin beyond a 96-dpi button.
TEST(TavrelScreen, TheSkinAndTheButtonPicturesAreStretchedToTheirPlaces) {
  const Screen* screen = ThisScreen();
  ASSERT_NE(screen, nullptr);
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  HWND window = tavrel.Window();
  const form::WindowLayout layout(screen->dpi);

  // The pointer at rest on the background, away from the buttons, as a
  // user leaves it: both buttons show their normal pictures.
  const POINT on_background = Scaled({150, 36}, screen->dpi);
  tavrel.MoveMouseTo(on_background.x, on_background.y);

  // The skin's far corner, beyond the frame: right of its right lines and
  // below its bottom line, where nothing is drawn over the skin.
  const form::PixelSize skin = layout.LoadedWindow();
  const RECT beyond_frame{layout.Pixels(form::kLines[6].x1) + 1, layout.Pixels(form::kLines[5].y1) + 1,
                          skin.width, skin.height};
  const PixelArea stretched_skin = PictureStretchedTo(TAVREL_BACKGROUND, {0, 0, skin.width, skin.height});
  EXPECT_EQ(DifferencesOnScreen(window, stretched_skin.Within(beyond_frame)), "") << "the skin beyond the frame";

  // Each button's picture, as the mouse over the buttons shows them. The
  // pressed minimize button (Image6) is never seen: the press minimizes.
  enum class Hand { Resting, OverClose, OverMinimize, PressingClose };
  struct Look {
    const char* state;
    Hand hand;
    Image close, minimize;  // the pictures on top in the two buttons
  };
  const Look looks[] = {
      {"at rest", Hand::Resting, Image::Image1, Image::Image4},
      {"over the close button", Hand::OverClose, Image::Image2, Image::Image4},
      {"over the minimize button", Hand::OverMinimize, Image::Image1, Image::Image5},
      {"pressing the close button", Hand::PressingClose, Image::Image3, Image::Image4},
  };
  const POINT on_close = CentreOf(layout.PlaceOf(Image::Image1));
  const POINT on_minimize = CentreOf(layout.PlaceOf(Image::Image4));
  for (const Look& look : looks) {
    tavrel.MoveMouseTo(on_background.x, on_background.y);
    if (look.hand == Hand::OverClose || look.hand == Hand::PressingClose)
      tavrel.MoveMouseTo(on_close.x, on_close.y);
    if (look.hand == Hand::OverMinimize) tavrel.MoveMouseTo(on_minimize.x, on_minimize.y);
    if (look.hand == Hand::PressingClose) tavrel.PressMouse(1);
    for (Image image : {look.close, look.minimize}) {
      const int index = IndexOf(image);
      EXPECT_EQ(DifferencesOnScreen(window, PictureStretchedTo(TAVREL_IMAGE1 + index, layout.PlaceOf(image))), "")
          << look.state << ": " << form::kImages[index].name;
    }
  }
  // The release of the press closes the window.
  tavrel.ReleaseMouse(1);
  EXPECT_TRUE(tavrel.HasEnded(5000));
}

// The captions grow with the screen; the end of "Ombrik码" drawn over Text2
// stays as the focus moves, as at 96 dpi.
TEST(TavrelScreen, TheCaptionsBesideTheBoxesStayAsTheFocusMoves) {
  ASSERT_NE(ThisScreen(), nullptr);
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  ExpectCaptionsKeptWhileTheFocusMoves(tavrel);
}

// Text2's context menu holds one of the box's messages open while the box
// takes the focus and paints; a drag scrolls the box on a timer.
TEST(TavrelScreen, TheCaptionsBesideTheBoxesStayWhileABoxsMenuOrDragLasts) {
  ASSERT_NE(ThisScreen(), nullptr);
  TavrelProcess tavrel;
  ASSERT_NE(tavrel.Window(), nullptr);
  ExpectCaptionsKeptThroughAMenuAndADrag(tavrel);
}

// The window in this process, where its fonts can be read.
TEST(TavrelScreen, EachBoxsFontFitsItsBox) {
  ASSERT_NE(ThisScreen(), nullptr);
  FixedCp936 code_page;
  tavrel::testing::RecordingPresenter no_code;
  const LookupServices services{code_page, tavrel::testing::kSmallReadingChain, tavrel::testing::kSmallCodeChain,
                                no_code};
  win32::TrayShellWin32 tray_shell;
  const win32::SystemAnsiCodePage tray_text;
  tray::FormR form_r(tray_shell, tray_text, reinterpret_cast<tray::Handle>(&win32::TrayWindowProc));
  win32::AbcWindow abc(GetModuleHandleW(nullptr), services, form_r);
  abc.Create();
  abc.Load();

  HDC dc = GetDC(abc.Handle());
  for (int number = 1; number <= 3; ++number) {
    HWND box = GetDlgItem(abc.Handle(), 100 + number);
    RECT client{};
    GetClientRect(box, &client);
    HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(box, WM_GETFONT, 0, 0)));
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    SelectObject(dc, previous);
    EXPECT_EQ(client.bottom, MulDiv(20, ExpectedDpi(), 96)) << "Text" << number;
    EXPECT_LE(metrics.tmHeight, client.bottom) << "Text" << number << ": 12 points in a box of 300 twips";
    EXPECT_GT(metrics.tmHeight, client.bottom / 2) << "Text" << number << ": the font grew with the screen";
  }
  ReleaseDC(abc.Handle(), dc);
}

}  // namespace
}  // namespace tavrel::form::testing
