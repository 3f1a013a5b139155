// Where the window's parts lie on screens of any DPI, and which captions run
// on into a box beside them.
#include "tavrel/form/window_layout.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace tavrel::form {
namespace {

TEST(PixelsOfTwips, RoundsToTheNearestPixelAtTheScreensDotsPerInch) {
  struct Case {
    int twips, dots_per_inch, pixels;
  };
  const Case cases[] = {
      {0, 96, 0},     {7, 96, 0},      {8, 96, 1},      {15, 96, 1},     {1440, 96, 96},
      {1440, 120, 120}, {6, 120, 1},   {5, 120, 0},     {4500, 120, 375}, {3350, 120, 279},
      {4500, 144, 450}, {3350, 144, 335}, {4500, 192, 600}, {3350, 192, 447}, {5730, 120, 478},
  };
  for (const Case& c : cases)
    EXPECT_EQ(PixelsOfTwips(c.twips, c.dots_per_inch), c.pixels) << c.twips << " twips at " << c.dots_per_inch;
}

// At 96 dots per inch every place is what 15 twips a pixel made of it field by
// field, so the window there is the one it has always been.
TEST(PixelsOf, AtTheDesignScreenEveryPlaceIsFifteenTwipsAPixel) {
  const auto by_fifteen = [](int twips) { return (twips + 7) / 15; };
  const auto check = [&](std::string_view name, const TwipRect& r) {
    EXPECT_EQ(PixelsOf(r, kDesignDotsPerInch),
              (PixelRect{by_fifteen(r.left), by_fifteen(r.top), by_fifteen(r.width), by_fifteen(r.height)}))
        << name;
  };
  for (const TextBoxDesign& box : kTextBoxes) check(box.name, box.place);
  for (const ImageDesign& image : kImages) check(image.name, image.place);
}

struct ScreenCase {
  int dots_per_inch;
  PixelSize loaded, designed;
  PixelPoint first_position;
  PixelRect text1, text2, image1, image2, image4;
};

const ScreenCase kScreens[] = {
    {96, {300, 223}, {305, 230}, {382, 265}, {100, 63, 155, 20}, {85, 104, 170, 20}, {273, 9, 20, 20},
     {273, 9, 20, 19}, {253, 9, 20, 20}},
    {120, {375, 279}, {381, 288}, {478, 331}, {125, 78, 194, 25}, {107, 130, 212, 25}, {342, 11, 25, 25},
     {342, 11, 25, 24}, {317, 11, 25, 25}},
    {144, {450, 335}, {458, 345}, {573, 398}, {150, 94, 233, 30}, {128, 156, 255, 30}, {410, 13, 30, 30},
     {410, 13, 30, 29}, {380, 13, 30, 30}},
    {192, {600, 447}, {610, 460}, {764, 530}, {200, 125, 310, 40}, {171, 208, 339, 40}, {547, 17, 40, 40},
     {547, 17, 40, 38}, {507, 17, 40, 40}},
};

TEST(WindowLayout, TheWholeWindowGrowsWithTheScreensDotsPerInch) {
  for (const ScreenCase& c : kScreens) {
    const WindowLayout layout(c.dots_per_inch);
    SCOPED_TRACE(std::to_string(c.dots_per_inch) + " dpi");
    EXPECT_EQ(layout.LoadedWindow(), c.loaded);
    EXPECT_EQ(layout.DesignedWindow(), c.designed);
    EXPECT_EQ(layout.FirstPosition(), c.first_position);
    EXPECT_EQ(layout.PlaceOf(Box::Text1), c.text1);
    EXPECT_EQ(layout.PlaceOf(Box::Text2), c.text2);
    EXPECT_EQ(layout.PlaceOf(Image::Image1), c.image1);
    EXPECT_EQ(layout.PlaceOf(Image::Image2), c.image2);
    EXPECT_EQ(layout.PlaceOf(Image::Image4), c.image4);
  }
}

// The frames hold their boxes, and the buttons lie on the skin, on every
// screen: nothing drifts apart as the window grows.
TEST(WindowLayout, FramesHoldTheirBoxesAndTheSkinHoldsTheButtonsAtEveryDpi) {
  for (const int dpi : {96, 120, 144, 192, 240}) {
    const WindowLayout layout(dpi);
    const auto x = [&](int twips) { return layout.Pixels(twips); };
    struct Frame {
      Box box;
      int top, bottom;  // twips of the frame lines above and below it
    };
    for (const Frame& f : {Frame{Box::Text1, 840, 1320}, Frame{Box::Text2, 1440, 1980}, Frame{Box::Text3, 1980, 2520}}) {
      const PixelRect place = layout.PlaceOf(f.box);
      EXPECT_GT(place.top, x(f.top)) << DesignOf(f.box).name << " at " << dpi;
      EXPECT_LT(place.Bottom(), x(f.bottom)) << DesignOf(f.box).name << " at " << dpi;
      EXPECT_GT(place.left, x(480)) << DesignOf(f.box).name << " at " << dpi;
      EXPECT_LT(place.Right(), x(4000)) << DesignOf(f.box).name << " at " << dpi;
    }
    const PixelSize window = layout.LoadedWindow();
    for (const ImageDesign& image : kImages) {
      const PixelRect place = layout.PlaceOf(image.image);
      EXPECT_TRUE(place.left >= 0 && place.top >= 0 && place.Right() <= window.width &&
                  place.Bottom() <= window.height)
          << image.name << " at " << dpi;
    }
    EXPECT_EQ(layout.PlaceOf(Box::Text1).Right(), layout.PlaceOf(Box::Text2).Right()) << "at " << dpi;
  }
}

// A caption's width in 宋体 9 pt: 6 pixels a Latin letter and 12 a Chinese
// character at 96 dots per inch, more on a finer screen.
int SongTi9Width(std::u16string_view caption, int dots_per_inch = kDesignDotsPerInch) {
  int width = 0;
  for (char16_t unit : caption) width += unit < 0x80 ? 6 : 12;
  return width * dots_per_inch / kDesignDotsPerInch;
}

constexpr int kSongTi9Height = 12;

WindowLayout MeasuredInSongTi9() {
  WindowLayout layout(kDesignDotsPerInch);
  for (const LabelDesign& design : kLabels)
    layout.SetCaptionSize(design.label, SongTi9Width(design.caption), kSongTi9Height);
  return layout;
}

TEST(WindowLayout, ALabelLiesAtItsPlaceAsLargeAsItsCaption) {
  const WindowLayout layout = MeasuredInSongTi9();
  EXPECT_EQ(layout.Bounds(Label::Label5), (PixelRect{43, 109, 48, 12})) << "Ombrik码";
  EXPECT_EQ(layout.Bounds(Label::Label4), (PixelRect{76, 181, 84, 12})) << "访问Tavrel主页";
  EXPECT_FALSE(WindowLayout(kDesignDotsPerInch).Bounds(Label::Label1).Contains({0, 0}))
      << "nothing before it is measured";

  WindowLayout at_144(144);
  at_144.SetCaptionSize(Label::Label4, SongTi9Width(u"访问Tavrel主页", 144), 18);
  EXPECT_EQ(at_144.Bounds(Label::Label4), (PixelRect{114, 272, 126, 18}));
}

TEST(WindowLayout, OnlyOmbrikRunsIntoABoxAndOnlyText2GetsAMargin) {
  const WindowLayout layout = MeasuredInSongTi9();
  for (const LabelDesign& label : kLabels)
    for (const TextBoxDesign& box : kTextBoxes)
      EXPECT_EQ(layout.RunsInto(label.label, box.box), label.label == Label::Label5 && box.box == Box::Text2)
          << label.name << " and " << box.name;
  // "Ombrik码" ends at pixel 91, Text2 starts at 85: six pixels into the box, and two more.
  EXPECT_EQ(layout.LeftMarginOf(Box::Text2), 8);
  EXPECT_EQ(layout.LeftMarginOf(Box::Text1), 0);
  EXPECT_EQ(layout.LeftMarginOf(Box::Text3), 0);
}

struct MarginCase {
  const char* name;
  int dots_per_inch;
  Label label;
  int width, height;
  Box box;
  int margin;
};

TEST(WindowLayout, ABoxMakesRoomOnlyForACaptionBesideItThatEndsInsideIt) {
  const MarginCase cases[] = {
      {"Ombrik码 in 宋体 9 pt runs into Text2", 96, Label::Label5, 48, 12, Box::Text2, 8},
      {"a wider font runs further in", 96, Label::Label5, 64, 16, Box::Text2, 24},
      {"a caption that ends on the box's edge", 96, Label::Label5, 42, 12, Box::Text2, 0},
      {"one pixel past the edge", 96, Label::Label5, 43, 12, Box::Text2, 3},
      {"输入汉字 ends before Text1", 96, Label::Label1, 48, 12, Box::Text1, 0},
      {"拼音码 ends before Text3", 96, Label::Label2, 36, 12, Box::Text3, 0},
      {"Ombrik码 crosses Text3's left edge in another row", 96, Label::Label5, 48, 12, Box::Text3, 0},
      {"a caption so tall that it reaches Text3's first row", 96, Label::Label5, 48, 32, Box::Text3, 8},
      {"a caption whose last row touches Text3's first", 96, Label::Label5, 48, 31, Box::Text3, 0},
      // Label5 at (53, 137) and Text2 from x 107 at 120 dpi; (64, 164) and 128 at 144.
      {"Ombrik码 at 120 dpi runs into Text2 as far", 120, Label::Label5, 60, 15, Box::Text2, 8},
      {"Ombrik码 at 144 dpi runs into Text2 as far", 144, Label::Label5, 72, 18, Box::Text2, 10},
      {"输入汉字 at 144 dpi still ends before Text1", 144, Label::Label1, 72, 18, Box::Text1, 0},
  };
  for (const MarginCase& c : cases) {
    WindowLayout layout(c.dots_per_inch);
    layout.SetCaptionSize(c.label, c.width, c.height);
    EXPECT_EQ(layout.LeftMarginOf(c.box), c.margin) << c.name;
    EXPECT_EQ(layout.RunsInto(c.label, c.box), c.margin != 0) << c.name;
  }
}

}  // namespace
}  // namespace tavrel::form
