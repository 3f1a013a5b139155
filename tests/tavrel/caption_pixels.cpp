#include "tests/tavrel/caption_pixels.h"

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "tavrel/win32/offscreen_canvas.h"
#include "tavrel/win32/screen_font.h"
#include "tavrel/form/window_layout.h"
#include "tests/support/pixel_area.h"
#include "tests/support/repeated.h"
#include "windows/wide_text.h"

namespace tavrel::form::testing {
namespace {

using win32_testing::DifferencesFrom;
using win32_testing::PixelArea;
using win32_testing::ReadPixels;
using win32_testing::ReadWindowPixels;

// The font the window gives its labels, made in this process on the same
// screen.
HFONT LabelFont(int dpi) {
  return win32::MakeFont(std::u16string(kLoadedLabelFont.name), kLoadedLabelFont.points, kLoadedLabelFont.weight,
                         kLoadedLabelFont.character_set, dpi);
}

SIZE CaptionSize(const LabelDesign& label, int dpi) {
  HFONT font = LabelFont(dpi);
  HDC screen = GetDC(nullptr);
  HGDIOBJ previous = SelectObject(screen, font);
  SIZE size{};
  GetTextExtentPoint32W(screen, windows::WideUnits(label.caption), static_cast<int>(label.caption.size()), &size);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  DeleteObject(font);
  return size;
}

// Where the window's parts lie on this screen, with every caption as large
// as it is in the labels' font.
WindowLayout MeasuredLayout() {
  WindowLayout layout(win32::ScreenDotsPerInch());
  for (const LabelDesign& label : kLabels) {
    const SIZE size = CaptionSize(label, layout.DotsPerInch());
    layout.SetCaptionSize(label.label, size.cx, size.cy);
  }
  return layout;
}

RECT RectOf(const PixelRect& r) { return {r.left, r.top, r.Right(), r.Bottom()}; }

// Shares rows with the box and starts before it.
bool LiesBeside(const PixelRect& caption, const PixelRect& box) {
  return caption.top < box.Bottom() && box.top < caption.Bottom() && caption.left < box.left;
}

// Pixels that the window must show in a rectangle of its client area.
struct ExpectedPixels {
  std::string what;
  PixelArea pixels;
};

// Every caption beside a box or running on into one, as the window shows it
// now.
std::vector<ExpectedPixels> CaptionsBesideBoxes(HWND window, const WindowLayout& layout) {
  std::vector<ExpectedPixels> captions;
  for (const LabelDesign& label : kLabels) {
    const PixelRect bounds = layout.Bounds(label.label);
    for (const TextBoxDesign& box : kTextBoxes) {
      if (!LiesBeside(bounds, layout.PlaceOf(box.box))) continue;
      captions.push_back({std::string(label.name), ReadWindowPixels(window, RectOf(bounds))});
      break;
    }
  }
  return captions;
}

// The box's left margin as it must look: the box's background, and over it
// the end of every caption that runs into the box, in the labels' font,
// black and with no background of its own, at the caption's place; drawn in
// memory like the screen's.
PixelArea MarginAsDrawn(const WindowLayout& layout, const TextBoxDesign& box) {
  const PixelRect place = layout.PlaceOf(box.box);
  const RECT strip{0, 0, layout.LeftMarginOf(box.box), place.height};
  HDC screen = GetDC(nullptr);
  const win32::OffscreenCanvas canvas(screen, strip.right, strip.bottom);
  ReleaseDC(nullptr, screen);
  HDC dc = canvas.Dc();

  // A read-only box lies flat on the panel; the input box is white.
  HBRUSH background = CreateSolidBrush(box.read_only ? RGB(kPanel.red, kPanel.green, kPanel.blue)
                                                     : GetSysColor(COLOR_WINDOW));
  FillRect(dc, &strip, background);
  DeleteObject(background);

  HFONT font = LabelFont(layout.DotsPerInch());
  HGDIOBJ previous = SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, RGB(0, 0, 0));
  for (const LabelDesign& label : kLabels) {
    if (!layout.RunsInto(label.label, box.box)) continue;
    const PixelRect bounds = layout.Bounds(label.label);
    TextOutW(dc, bounds.left - place.left, bounds.top - place.top, windows::WideUnits(label.caption),
             static_cast<int>(label.caption.size()));
  }
  SelectObject(dc, previous);
  DeleteObject(font);

  return PixelArea({place.left, place.top, place.left + strip.right, place.Bottom()},
                   ReadPixels(dc, strip).Pixels());
}

// The left margin of every box that a caption runs into, as it must look.
std::vector<ExpectedPixels> MarginsOfBoxes(const WindowLayout& layout) {
  std::vector<ExpectedPixels> margins;
  for (const TextBoxDesign& box : kTextBoxes)
    if (layout.LeftMarginOf(box.box) > 0)
      margins.push_back({std::string(box.name) + "'s left margin", MarginAsDrawn(layout, box)});
  return margins;
}

// Waits until the window shows every area as expected; what still differs,
// else empty.
std::string DifferencesOnScreen(HWND window, const std::vector<ExpectedPixels>& expected) {
  std::string differences;
  WaitUntil(
      [&] {
        differences.clear();
        for (const ExpectedPixels& area : expected) {
          const std::string seen = DifferencesFrom(area.pixels, ReadWindowPixels(window, area.pixels.Area()));
          if (seen.empty()) continue;
          if (!differences.empty()) differences += "\n";
          differences += area.what + ": " + seen;
        }
        return differences.empty();
      },
      3000);
  return differences;
}

// Fills Text1 with a line and waits until the boxes show their lines with
// every margin drawn; then what the window must go on showing: the captions
// as it shows them now, and the margins.
std::vector<ExpectedPixels> CaptionsWithALine(TavrelProcess& tavrel, const std::wstring& line) {
  const WindowLayout layout = MeasuredLayout();
  std::vector<ExpectedPixels> margins = MarginsOfBoxes(layout);
  EXPECT_EQ(margins.size(), 1u) << "Label5's caption runs into Text2, and no other into a box";
  tavrel.SetText1(line);
  EXPECT_EQ(DifferencesOnScreen(tavrel.Window(), margins), "") << "with the boxes' new lines";

  std::vector<ExpectedPixels> expected = CaptionsBesideBoxes(tavrel.Window(), layout);
  EXPECT_EQ(expected.size(), 3u) << "Label1 before Text1, Label5 into Text2, Label2 before Text3";
  for (const ExpectedPixels& caption : expected) {
    const std::set<win32_testing::Pixel> colours(caption.pixels.Pixels().begin(), caption.pixels.Pixels().end());
    EXPECT_GT(colours.size(), 1u) << caption.what << ": its caption is drawn where it is compared";
  }
  expected.insert(expected.end(), margins.begin(), margins.end());
  return expected;
}

POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// A click into the box, and the focus there.
void ClickInto(const TavrelProcess& tavrel, int box) {
  const POINT in_box = CentreOf(ClientRectOf(tavrel.Box(box), tavrel.Window()));
  tavrel.ClickAt(in_box.x, in_box.y);
  EXPECT_TRUE(WaitUntil([&] { return tavrel.Focus() == tavrel.Box(box); })) << "Text" << box << " has the focus";
}

// The first character a single-line box shows: how far it has scrolled.
int FirstShownCharacter(HWND box) {
  DWORD_PTR first = 0;
  SendMessageTimeoutW(box, EM_GETFIRSTVISIBLELINE, 0, 0, SMTO_ABORTIFHUNG, 3000, &first);
  return static_cast<int>(first);
}

}  // namespace

void ExpectCaptionsKeptWhileTheFocusMoves(TavrelProcess& tavrel) {
  const std::vector<ExpectedPixels> expected = CaptionsWithALine(tavrel, L"中行ab好");
  ASSERT_EQ(tavrel.Text(2), L"oi rj abnt");
  for (int box : {1, 2, 3, 2, 1}) {
    ClickInto(tavrel, box);
    EXPECT_EQ(DifferencesOnScreen(tavrel.Window(), expected), "") << "after the click into Text" << box;
  }
}

void ExpectCaptionsKeptThroughAMenuAndADrag(TavrelProcess& tavrel) {
  // Code lines longer than Text2, so that the box can scroll.
  const std::vector<ExpectedPixels> expected = CaptionsWithALine(tavrel, std::wstring(18, L'中'));
  ASSERT_EQ(tavrel.Text(2), tavrel::testing::Repeated(std::wstring_view(L"oi "), 17) + L"oi");
  const RECT text2 = ClientRectOf(tavrel.Box(2), tavrel.Window());
  const POINT in_text2 = CentreOf(text2);
  // On the window beside the box, where the pointer holds on the drag.
  const POINT past_left_edge{text2.left - 8, in_text2.y};
  const POINT past_right_edge{text2.right + 8, in_text2.y};

  // A click into Text1, then a right click into Text2: the box takes the
  // focus as it opens its menu.
  const auto open_menu = [&] {
    ClickInto(tavrel, 1);
    tavrel.MoveMouseTo(in_text2.x, in_text2.y);
    tavrel.PressMouse(3);
    tavrel.ReleaseMouse(3);
    EXPECT_TRUE(WaitUntil([&] { return !tavrel.ShownMenus().empty(); })) << "the context menu is shown";
  };
  const auto close_menu = [&] {
    RunUnix("xdotool key Escape");
    EXPECT_TRUE(WaitUntil([&] { return tavrel.ShownMenus().empty(); })) << "the context menu is gone";
  };
  // What the user does for a while, with Text2 at work all along.
  struct Spell {
    const char* name;
    std::function<void()> begin;  // and wait until it has begun
    std::function<void()> end;    // and wait until it has ended
  };
  const Spell spells[] = {
      {"the context menu of Text2", open_menu, close_menu},
      // A program sets Text1 while the menu is open: Text2 paints its new
      // line inside the menu's loop.
      {"the context menu of Text2 while its line changes",
       [&] {
         open_menu();
         tavrel.SetText1(std::wstring(18, L'行'));
         EXPECT_EQ(tavrel.Text(2), tavrel::testing::Repeated(std::wstring_view(L"rj "), 17) + L"rj");
         EXPECT_FALSE(tavrel.ShownMenus().empty()) << "the context menu stays open";
       },
       close_menu},
      {"a drag in Text2 past its right edge and back past its left",
       [&] {
         ClickInto(tavrel, 1);
         tavrel.MoveMouseTo(in_text2.x, in_text2.y);
         tavrel.PressMouse(1);
         tavrel.MoveMouseTo(past_right_edge.x, past_right_edge.y);
         int first = 0;
         EXPECT_TRUE(WaitUntil([&] { return (first = FirstShownCharacter(tavrel.Box(2))) > 0; }))
             << "Text2 scrolls on towards its line's end";
         tavrel.MoveMouseTo(past_left_edge.x, past_left_edge.y);
         EXPECT_TRUE(WaitUntil([&] { return FirstShownCharacter(tavrel.Box(2)) < first; }))
             << "Text2 scrolls back towards its line's start";
       },
       [&] { tavrel.ReleaseMouse(1); }},
  };
  for (const Spell& spell : spells) {
    spell.begin();
    EXPECT_EQ(DifferencesOnScreen(tavrel.Window(), expected), "") << spell.name << ": while it lasts";
    spell.end();
    EXPECT_EQ(DifferencesOnScreen(tavrel.Window(), expected), "") << spell.name << ": once it has ended";
  }
}

}  // namespace tavrel::form::testing
