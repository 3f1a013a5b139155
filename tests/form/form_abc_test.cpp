// The window's handlers and mouse routing against a recording toolkit.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tavrel/form/form_abc.h"
#include "tavrel/form/mouse_routing.h"
#include "tavrel/form/window_layout.h"
#include "tests/form/recording_form.h"

namespace tavrel::form {
namespace {

using testing::RecordingForm;
using Calls = std::vector<std::string>;

TEST(FormLoad, SizesEmptiesAndSetsTheFontsInOrder) {
  RecordingForm form;
  Form_Load(form);
  Calls expected = {"Height 3350", "Width 4500", "Text1 = ''"};
  for (int i = 1; i <= 5; ++i) {
    const std::string name = "Label" + std::to_string(i);
    expected.insert(expected.end(), {"Find " + name, "FontName " + name + " 宋体", "Find " + name,
                                     "FontSize " + name + " 9"});
  }
  for (int i = 1; i <= 3; ++i) {
    const std::string name = "Text" + std::to_string(i);
    expected.insert(expected.end(), {"Find " + name, "FontName " + name + " MS Sans Serif", "Find " + name,
                                     "FontSize " + name + " 12"});
  }
  EXPECT_EQ(form.calls, expected);
}

TEST(Handlers, AClickInABoxPutsItsWholeTextOnTheClipboardEveryTime) {
  RecordingForm form;
  form.SetText(Box::Text1, u"中ab");
  form.SetText(Box::Text2, u"oi ab");
  form.SetText(Box::Text3, u" ");
  form.Forget();
  Text1_Click(form);
  Text1_Click(form);
  Text2_Click(form);
  Text3_Click(form);
  EXPECT_EQ(form.calls, (Calls{"Clipboard '中ab'", "Clipboard '中ab'", "Clipboard 'oi ab'", "Clipboard ' '"}));
}

TEST(Handlers, AClickInAnEmptyBoxLeavesTheClipboardAsItWas) {
  RecordingForm form;
  Text1_Click(form);
  Text2_Click(form);
  Text3_Click(form);
  EXPECT_EQ(form.calls, Calls{});
}

// Places in the window, in pixels.
constexpr PixelPoint kClose{283, 19};
constexpr PixelPoint kMinimize{263, 19};
constexpr PixelPoint kOnBackground{150, 36};
constexpr PixelPoint kOnLine1{150, 56};
constexpr PixelPoint kOnLabel1{50, 72};
constexpr PixelPoint kOnLabel4{90, 186};
constexpr PixelPoint kOutside{-40, 400};

struct Event {
  enum class Kind { Press, Move, Release, CaptureLost } kind;
  MouseButton button;
  PixelPoint at;
};

Event PressAt(PixelPoint p, MouseButton b = MouseButton::Left) { return {Event::Kind::Press, b, p}; }
Event MoveTo(PixelPoint p) { return {Event::Kind::Move, MouseButton::Left, p}; }
Event ReleaseAt(PixelPoint p, MouseButton b = MouseButton::Left) { return {Event::Kind::Release, b, p}; }
Event LoseCapture() { return {Event::Kind::CaptureLost, MouseButton::Left, {}}; }

struct LookCase {
  const char* name;
  std::vector<Image> start;  // visible images before the events
  std::vector<Event> events;
  const char* visible_after;
  Calls actions;
};

class Routed : public ::testing::Test {
 protected:
  Routed() {
    layout.SetCaptionSize(Label::Label1, 48, 12);
    layout.SetCaptionSize(Label::Label4, 84, 12);
  }

  void Run(const std::vector<Event>& events) {
    for (const Event& e : events) {
      switch (e.kind) {
        case Event::Kind::Press:
          router.Press(e.button, e.at);
          break;
        case Event::Kind::Move:
          router.Move(e.at);
          break;
        case Event::Kind::Release:
          router.Release(e.button, e.at);
          break;
        case Event::Kind::CaptureLost:
          router.CaptureLost();
          break;
      }
    }
  }

  // Each case from its own start, with no button held.
  void ExpectLooksAndActions(const std::vector<LookCase>& cases) {
    for (const LookCase& c : cases) {
      form.SetVisible(c.start);
      form.Forget();
      router.CaptureLost();
      Run(c.events);
      EXPECT_EQ(form.VisibleImages(), c.visible_after) << c.name;
      EXPECT_EQ(form.Actions(), c.actions) << c.name;
    }
  }

  RecordingForm form;
  WindowLayout layout{kDesignDotsPerInch};
  MouseRouter router{form, layout};
};

using enum Image;

TEST_F(Routed, ButtonLooksFollowTheMouse) {
  const std::vector<LookCase> cases = {
      // close button
      {"close: normal, move over it: hover", {Image1, Image4}, {MoveTo(kClose)}, "Image2 Image4", {}},
      {"close: hover, moving on keeps hover", {Image2, Image4}, {MoveTo(kClose)}, "Image2 Image4", {}},
      {"close: hover, press: pressed", {Image2, Image4}, {PressAt(kClose)}, "Image2 Image3 Image4", {}},
      {"close: hover, right press: pressed",
       {Image2, Image4},
       {PressAt(kClose, MouseButton::Right)},
       "Image2 Image3 Image4",
       {}},
      {"close: pressed, release anywhere: unloads",
       {Image2, Image4},
       {PressAt(kClose, MouseButton::Middle), MoveTo(kOnBackground),
        ReleaseAt(kOutside, MouseButton::Middle)},
       "Image1 Image4",
       {"Unload"}},
      {"close: normal, a press does nothing",
       {Image1, Image4},
       {PressAt(kClose), ReleaseAt(kClose)},
       "Image1 Image4",
       {}},
      // minimize button
      {"minimize: normal, move over it: hover", {Image1, Image4}, {MoveTo(kMinimize)}, "Image1 Image5", {}},
      {"minimize: hover, press: pressed and minimized at once",
       {Image1, Image5},
       {PressAt(kMinimize)},
       "Image1 Image5 Image6",
       {"Minimize"}},
      {"minimize: the release after the press does nothing more",
       {Image1, Image5},
       {PressAt(kMinimize), ReleaseAt(kMinimize)},
       "Image1 Image5 Image6",
       {"Minimize"}},
      {"minimize: still pressed after a restore, a move keeps it",
       {Image1, Image5, Image6},
       {MoveTo(kMinimize)},
       "Image1 Image5 Image6",
       {}},
      {"minimize: pressed, one click: normal without minimizing",
       {Image1, Image5, Image6},
       {PressAt(kMinimize), ReleaseAt(kMinimize)},
       "Image1 Image4",
       {}},
      {"minimize: normal, a press does nothing", {Image1, Image4}, {PressAt(kMinimize)}, "Image1 Image4", {}},
      // both
      {"background move: both normal",
       {Image2, Image3, Image5, Image6},
       {MoveTo(kOnBackground)},
       "Image1 Image4",
       {}},
      {"a move over a line is the background's", {Image2, Image5}, {MoveTo(kOnLine1)}, "Image1 Image4", {}},
      {"leaving onto a label keeps the hover look",
       {Image2, Image5},
       {MoveTo(kOnLabel1)},
       "Image2 Image5",
       {}},
      {"a held press on the close button owns the moves",
       {Image2, Image4},
       {PressAt(kClose), MoveTo(kOnBackground)},
       "Image2 Image3 Image4",
       {}},
      {"a release without its press does nothing",
       {Image2, Image3, Image4},
       {ReleaseAt(kClose)},
       "Image2 Image3 Image4",
       {}},
      {"after the mouse was taken away the release does nothing",
       {Image2, Image4},
       {PressAt(kClose), LoseCapture(), ReleaseAt(kClose)},
       "Image2 Image3 Image4",
       {}},
  };
  ExpectLooksAndActions(cases);
}

struct PressCase {
  const char* name;
  std::vector<Event> events;
  Calls actions;
};

TEST_F(Routed, PressesOnTheBackgroundMoveTheWindowAndTheLinkOpensOnAClick) {
  const std::vector<PressCase> cases = {
      {"left on the background", {PressAt(kOnBackground)}, {"SystemMove"}},
      {"right on the background", {PressAt(kOnBackground, MouseButton::Right)}, {"MoveWhileHeld Right"}},
      {"middle on the background", {PressAt(kOnBackground, MouseButton::Middle)}, {"MoveWhileHeld Middle"}},
      {"right on a frame line", {PressAt(kOnLine1, MouseButton::Right)}, {"MoveWhileHeld Right"}},
      {"on a frame line", {PressAt(kOnLine1)}, {"SystemMove"}},
      {"on a label", {PressAt(kOnLabel1), ReleaseAt(kOnLabel1)}, {}},
      {"on an image", {PressAt(kClose), ReleaseAt(kClose)}, {}},
      {"click on the link", {PressAt(kOnLabel4), ReleaseAt(kOnLabel4)}, {"OpenHomePage"}},
      {"right click on the link",
       {PressAt(kOnLabel4, MouseButton::Right), ReleaseAt(kOnLabel4, MouseButton::Right)},
       {}},
      {"press on the link, release elsewhere", {PressAt(kOnLabel4), ReleaseAt(kOnBackground)}, {}},
      {"press elsewhere, release on the link", {PressAt(kOnLabel1), ReleaseAt(kOnLabel4)}, {}},
  };
  for (const PressCase& c : cases) {
    form.SetVisible({Image1, Image4});
    form.Forget();
    router.CaptureLost();
    Run(c.events);
    EXPECT_EQ(form.Actions(), c.actions) << c.name;
  }
}

// A further button pressed while one is held belongs to no control, and so
// does its release: the press that chose the control has run its handler, and
// its own release runs the control's once.
TEST_F(Routed, AFurtherButtonWhileOneIsHeldBelongsToNoControl) {
  constexpr MouseButton kLeft = MouseButton::Left, kRight = MouseButton::Right, kMiddle = MouseButton::Middle;
  const std::vector<LookCase> cases = {
      {"minimize: a second press does not minimize again",
       {Image1, Image5},
       {PressAt(kMinimize, kMiddle), PressAt(kMinimize, kRight), ReleaseAt(kOutside, kRight),
        ReleaseAt(kOutside, kMiddle)},
       "Image1 Image5 Image6",
       {"Minimize"}},
      {"minimize: every pair of buttons, the first released first",
       {Image1, Image5},
       {PressAt(kMinimize, kLeft), PressAt(kMinimize, kMiddle), ReleaseAt(kOutside, kLeft),
        ReleaseAt(kOutside, kMiddle)},
       "Image1 Image5 Image6",
       {"Minimize"}},
      {"close: the second button's release does not close",
       {Image2, Image4},
       {PressAt(kClose, kRight), PressAt(kClose, kLeft), ReleaseAt(kClose, kLeft)},
       "Image2 Image3 Image4",
       {}},
      {"close: the first button's release closes, after the second's",
       {Image2, Image4},
       {PressAt(kClose, kRight), PressAt(kClose, kLeft), ReleaseAt(kClose, kLeft), ReleaseAt(kOutside, kRight)},
       "Image1 Image4",
       {"Unload"}},
      {"close: the first button pressed again while the second is held does nothing more",
       {Image2, Image4},
       {PressAt(kClose, kLeft), PressAt(kClose, kRight), ReleaseAt(kClose, kLeft), PressAt(kClose, kLeft),
        ReleaseAt(kClose, kLeft), ReleaseAt(kClose, kRight)},
       "Image1 Image4",
       {"Unload"}},
      {"background: a second press begins no second move",
       {Image1, Image4},
       {PressAt(kOnBackground, kRight), PressAt(kOnBackground, kLeft), PressAt(kOnBackground, kMiddle)},
       "Image1 Image4",
       {"MoveWhileHeld Right"}},
      {"a second press on the background takes nothing over from a held image",
       {Image2, Image4},
       {PressAt(kClose, kMiddle), MoveTo(kOnBackground), PressAt(kOnBackground, kLeft)},
       "Image2 Image3 Image4",
       {}},
      {"link: a left click while the right is held is no click",
       {Image1, Image4},
       {PressAt(kOnLabel4, kRight), PressAt(kOnLabel4, kLeft), ReleaseAt(kOnLabel4, kLeft),
        ReleaseAt(kOnLabel4, kRight)},
       "Image1 Image4",
       {}},
      {"link: a left click stays one with a right click inside it",
       {Image1, Image4},
       {PressAt(kOnLabel4, kLeft), PressAt(kOnLabel4, kRight), ReleaseAt(kOnLabel4, kRight),
        ReleaseAt(kOnLabel4, kLeft)},
       "Image1 Image4",
       {"OpenHomePage"}},
      {"once every button is up, the next press is a first one again",
       {Image1, Image5},
       {PressAt(kOnLabel1, kLeft), PressAt(kMinimize, kRight), ReleaseAt(kMinimize, kLeft),
        ReleaseAt(kMinimize, kRight), PressAt(kMinimize, kRight)},
       "Image1 Image5 Image6",
       {"Minimize"}},
      {"after the mouse was taken away, a press is a first one",
       {Image1, Image5},
       {PressAt(kOnLabel1, kLeft), LoseCapture(), PressAt(kMinimize, kRight)},
       "Image1 Image5 Image6",
       {"Minimize"}},
  };
  ExpectLooksAndActions(cases);
}

TEST_F(Routed, TheUpperVisibleImageGetsTheMouse) {
  form.SetVisible({Image1, Image2, Image3});
  EXPECT_EQ(router.TargetAt(kClose), TargetOf(Image3));
  form.SetVisible({Image1, Image2});
  EXPECT_EQ(router.TargetAt(kClose), TargetOf(Image2));
  // Image2 is one pixel lower than the others: its last row is Image1's.
  form.SetVisible({Image1, Image2});
  EXPECT_EQ(router.TargetAt({283, 28}), TargetOf(Image1));
  form.SetVisible({Image4, Image5, Image6});
  EXPECT_EQ(router.TargetAt(kMinimize), TargetOf(Image6));
  form.SetVisible({});
  EXPECT_EQ(router.TargetAt(kClose), form::kBackground);
}

TEST_F(Routed, PointersShowTheHandOverImagesAndTheLinkHandOverTheLink) {
  form.SetVisible({Image1, Image4});
  EXPECT_EQ(router.PointerAt(kClose), Pointer::Hand);
  EXPECT_EQ(router.PointerAt(kMinimize), Pointer::Hand);
  EXPECT_EQ(router.PointerAt(kOnLabel4), Pointer::LinkHand);
  EXPECT_EQ(router.PointerAt(kOnLabel1), Pointer::Default);
  EXPECT_EQ(router.PointerAt(kOnBackground), Pointer::Default);
  EXPECT_EQ(router.PointerAt(kOnLine1), Pointer::Default);
}


// On a finer screen the buttons, the link and the background are where the
// window draws them: the routing reads the same converted places.
TEST(RoutedAtAnyDpi, ButtonsLinkAndBackgroundFollowTheScreen) {
  for (const int dpi : {96, 120, 144, 192}) {
    SCOPED_TRACE(std::to_string(dpi) + " dpi");
    RecordingForm form;
    WindowLayout layout(dpi);
    layout.SetCaptionSize(Label::Label4, 84 * dpi / 96, 12 * dpi / 96);
    MouseRouter router(form, layout);
    const auto centre = [](const PixelRect& r) { return PixelPoint{r.left + r.width / 2, r.top + r.height / 2}; };
    const PixelRect close = layout.PlaceOf(Image1);
    const PixelRect minimize = layout.PlaceOf(Image4);
    const PixelRect link = layout.Bounds(Label::Label4);

    EXPECT_EQ(router.TargetAt(centre(close)), TargetOf(Image1));
    EXPECT_EQ(router.TargetAt({close.Right() - 1, close.Bottom() - 1}), TargetOf(Image1));
    EXPECT_EQ(router.TargetAt({close.Right(), close.top}), kBackground);
    EXPECT_EQ(router.TargetAt({close.left, close.Bottom()}), kBackground);
    EXPECT_EQ(router.TargetAt({minimize.left - 1, minimize.top}), kBackground);
    EXPECT_EQ(router.TargetAt(centre(link)), TargetOf(Label::Label4));

    // The close button, from its hover look, by its converted place.
    router.Move(centre(close));
    router.Press(MouseButton::Left, centre(close));
    router.Release(MouseButton::Left, centre(close));
    router.Press(MouseButton::Left, {close.left, close.Bottom() + 2});
    router.Release(MouseButton::Left, {close.left, close.Bottom() + 2});
    router.Press(MouseButton::Left, centre(link));
    router.Release(MouseButton::Left, centre(link));
    EXPECT_EQ(form.Actions(), (Calls{"Unload", "SystemMove", "OpenHomePage"}));
  }
}

}  // namespace
}  // namespace tavrel::form
