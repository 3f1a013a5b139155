#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "tavrel/tray/form_r.h"
#include "tests/tray/cp936_text.h"

namespace tavrel::tray {
// Names a layout in test names and messages.
inline void PrintTo(const AnsiRecordLayout& layout, std::ostream* out) { *out << layout.size << "-byte record"; }
}  // namespace tavrel::tray

namespace tavrel::testing {
namespace {

using namespace tray;

constexpr Handle kWindow = 0x00010020;
constexpr Handle kIcon = 0x00030040;
constexpr Handle kOldProc = 0x00401000;
constexpr Handle kHookProc = 0x00402000;
constexpr std::uint32_t kTaskbarCreated = 0xC0DE;

// A little-endian integer of a record.
std::uint64_t IntegerAt(const AnsiRecord& record, std::size_t offset, std::size_t size) {
  std::uint64_t value = 0;
  for (std::size_t i = 0; i < size; ++i) value |= std::uint64_t{record.at(offset + i)} << (8 * i);
  return value;
}

// Records the calls of the tray and of the window, in one log.
class Log {
 public:
  std::vector<std::string> calls;
};

class FakeShell final : public TrayShell {
 public:
  FakeShell(Log& log, const AnsiRecordLayout& layout) : log_(log), layout_(layout) {}
  Handle SetWindowLongPtrA(Handle window, std::int32_t index, Handle value) override {
    log_.calls.push_back("SetWindowLongPtrA " + Hex(window) + " " + std::to_string(index) + " " + Hex(value));
    const Handle previous = procedure_;
    procedure_ = value;
    return previous;
  }
  Handle CallWindowProcA(Handle procedure, Handle window, std::uint32_t message, Handle wparam,
                         Handle lparam) override {
    log_.calls.push_back("CallWindowProcA " + Hex(procedure) + " " + Hex(window) + " " + Hex(message) + " " +
                         Hex(wparam) + " " + Hex(lparam));
    return 0x5A5A;
  }
  bool Shell_NotifyIconA(std::uint32_t message, AnsiRecord& record) override {
    EXPECT_EQ(record.size(), layout_.size);
    const auto flags = static_cast<std::uint32_t>(IntegerAt(record, layout_.flags, 4));
    const std::string tip(reinterpret_cast<const char*>(record.data() + layout_.tip));
    log_.calls.push_back("Shell_NotifyIconA " + std::to_string(message) + " flags " + std::to_string(flags) +
                         (flags & kNifTip ? " tip " + tip : ""));
    records.push_back(record);
    if (message == kNimAdd && !accept_add) return false;
    return true;
  }
  std::uint32_t TaskbarCreatedMessage() override { return kTaskbarCreated; }

  static std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "%llX", static_cast<unsigned long long>(value));
    return text;
  }

  bool accept_add = true;
  Handle procedure_ = kOldProc;
  std::vector<AnsiRecord> records;

 private:
  Log& log_;
  const AnsiRecordLayout& layout_;
};

class FakeForm final : public TrayForm {
 public:
  explicit FakeForm(Log& log) : log_(log) {}
  Handle WindowHandle() const override { return kWindow; }
  Handle IconHandle() const override { return kIcon; }
  bool IsMinimizedState() const override { return minimized; }
  void SetNormal() override {
    log_.calls.push_back("SetNormal");
    minimized = false;
    if (on_normal) on_normal();  // the resize that setting the state causes
  }
  void Show() override {
    log_.calls.push_back("Show");
    visible = true;
  }
  void Hide() override {
    log_.calls.push_back("Hide");
    visible = false;
  }
  bool minimized = false;
  bool visible = true;
  std::function<void()> on_normal;

 private:
  Log& log_;
};

// A tray with its window, both logging into one log.
struct Rig {
  Rig(const SystemCodePageText& code_page, const AnsiRecordLayout& layout)
      : shell(log, layout), tray(shell, code_page, kHookProc, layout) {}
  void Minimize() {
    form.minimized = true;
    Form_Resize(form, tray);
  }
  // Minimized, in the tray, with the log of getting there left out.
  void MinimizeToTray() {
    Minimize();
    log.calls.clear();
  }

  Log log;
  FakeShell shell;
  FakeForm form{log};
  FormR tray;
};

// Every case runs with the record of a 32-bit and of a 64-bit program.
class FormRTest : public ::testing::TestWithParam<AnsiRecordLayout> {
 protected:
  void Minimize() { rig.Minimize(); }
  Handle Message(std::uint32_t message, Handle wparam, Handle lparam) {
    return tray.TrayWindowProc(kWindow, message, wparam, lparam);
  }
  std::vector<std::string> TakeCalls() { return std::exchange(log.calls, {}); }

  Cp936Text gbk;
  const AnsiRecordLayout& layout = GetParam();
  Rig rig{gbk, layout};
  Log& log = rig.log;
  FakeShell& shell = rig.shell;
  FakeForm& form = rig.form;
  FormR& tray = rig.tray;
};

const std::vector<std::string> kGoingToTray = {
    "SetWindowLongPtrA 10020 -4 402000",
    "Shell_NotifyIconA 0 flags 3",
    "Shell_NotifyIconA 1 flags 4 tip Tavrel",
    "Hide",
};

TEST_P(FormRTest, MinimizingHooksAddsTheIconWithItsTipAndHides) {
  Minimize();
  EXPECT_EQ(TakeCalls(), kGoingToTray);
  EXPECT_TRUE(tray.InTray());
  EXPECT_FALSE(form.visible);
  EXPECT_EQ(tray.OldWindowProc(), kOldProc);
  EXPECT_EQ(shell.procedure_, kHookProc);

  // The record handed over for the add and for the tip.
  ASSERT_EQ(shell.records.size(), 2u);
  const AnsiRecord& add = shell.records[0];
  EXPECT_EQ(IntegerAt(add, 0, 4), layout.size);
  EXPECT_EQ(IntegerAt(add, layout.hwnd, layout.handle_size), kWindow);
  EXPECT_EQ(IntegerAt(add, layout.callback_message, 4), 0x7E9u);
  EXPECT_EQ(IntegerAt(add, layout.icon, layout.handle_size), kIcon);
}

TEST_P(FormRTest, AResizeThatIsNoMinimizeDoesNothing) {
  Form_Resize(form, tray);
  EXPECT_TRUE(TakeCalls().empty());
}

TEST_P(FormRTest, EveryMessageGoesOnToTheOldProcedureWithItsResult) {
  Minimize();
  TakeCalls();
  EXPECT_EQ(Message(0x000F, 1, 2), 0x5A5Au);
  EXPECT_EQ(TakeCalls(), std::vector<std::string>{"CallWindowProcA 401000 10020 F 1 2"});
}

TEST_P(FormRTest, OnlyTheReleaseOfTheLeftOrRightButtonOverTheIconRestores) {
  struct Case {
    const char* name;
    std::uint32_t message;
    std::uint32_t lparam;
    bool restores;
  };
  const Case cases[] = {
      {"left button up", 0x7E9, 0x202, true},
      {"right button up", 0x7E9, 0x205, true},
      {"middle button up", 0x7E9, 0x208, false},
      {"left button down", 0x7E9, 0x201, false},
      {"right button down", 0x7E9, 0x204, false},
      {"mouse move", 0x7E9, 0x200, false},
      {"double click", 0x7E9, 0x203, false},
      {"a button up that is not the icon's", 0x0202, 0x202, false},
  };
  for (const Case& c : cases) {
    Rig in_tray(gbk, layout);
    in_tray.MinimizeToTray();

    in_tray.tray.TrayWindowProc(kWindow, c.message, 0, c.lparam);
    const std::string passed_on = "CallWindowProcA 401000 10020 " + FakeShell::Hex(c.message) + " 0 " +
                                  FakeShell::Hex(c.lparam);
    const std::vector<std::string> restoring = {
        "Shell_NotifyIconA 2 flags 0", "SetWindowLongPtrA 10020 -4 401000", "SetNormal", "Show", passed_on};
    EXPECT_EQ(in_tray.log.calls, c.restores ? restoring : std::vector<std::string>{passed_on}) << c.name;
    EXPECT_EQ(in_tray.tray.InTray(), !c.restores) << c.name;
    EXPECT_EQ(in_tray.form.visible, c.restores) << c.name;
  }
}

TEST_P(FormRTest, ADoubleClickRestoresOnItsFirstRelease) {
  Minimize();
  Message(0x7E9, 0, 0x201);
  Message(0x7E9, 0, 0x202);
  EXPECT_FALSE(tray.InTray());
  EXPECT_TRUE(form.visible);
  TakeCalls();
  // What follows of the double click only passes through.
  Message(0x7E9, 0, 0x203);
  Message(0x7E9, 0, 0x202);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"CallWindowProcA 401000 10020 7E9 0 203",
                                                   "CallWindowProcA 401000 10020 7E9 0 202"}));
}

TEST_P(FormRTest, TheCycleRepeatsAndTheRecordKeepsItsLastTip) {
  for (int cycle = 0; cycle < 3; ++cycle) {
    Minimize();
    EXPECT_EQ(TakeCalls(), kGoingToTray) << cycle;
    EXPECT_EQ(tray.OldWindowProc(), kOldProc) << cycle;  // never the hook itself
    Message(0x7E9, 0, 0x205);
    EXPECT_FALSE(tray.InTray()) << cycle;
    EXPECT_EQ(shell.procedure_, kOldProc) << cycle;
    TakeCalls();
  }
  // Fields are only ever written: a later add still carries the tip.
  const AnsiRecord& last_add = shell.records[shell.records.size() - 3];
  EXPECT_EQ(IntegerAt(last_add, layout.flags, 4), 3u);
  EXPECT_EQ(std::string(reinterpret_cast<const char*>(last_add.data() + layout.tip)), "Tavrel");
}

TEST_P(FormRTest, WhenTheIconCannotBeAddedTheWindowStaysMinimizedAndUnhooked) {
  shell.accept_add = false;
  Minimize();
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"SetWindowLongPtrA 10020 -4 402000", "Shell_NotifyIconA 0 flags 3",
                                                   "SetWindowLongPtrA 10020 -4 401000"}));
  EXPECT_TRUE(form.visible);
  EXPECT_TRUE(form.minimized);
  EXPECT_FALSE(tray.InTray());

  // A later minimize tries again, still chaining to the window's own procedure.
  shell.accept_add = true;
  Minimize();
  EXPECT_EQ(TakeCalls(), kGoingToTray);
  EXPECT_EQ(tray.OldWindowProc(), kOldProc);
}

// The record as the shell gets it: the integers, then the 64 tip bytes.
AnsiRecord Expected(const AnsiRecordLayout& layout, std::uint32_t flags, const std::string& tip) {
  AnsiRecord record(layout.size, 0);
  const struct {
    std::size_t offset, size;
    std::uint64_t value;
  } fields[] = {{0, 4, layout.size},
                {layout.hwnd, layout.handle_size, kWindow},
                {layout.uid, 4, 0},
                {layout.flags, 4, flags},
                {layout.callback_message, 4, 0x7E9},
                {layout.icon, layout.handle_size, kIcon}};
  for (const auto& field : fields)
    for (std::size_t byte = 0; byte < field.size; ++byte)
      record[field.offset + byte] = static_cast<std::uint8_t>(field.value >> (8 * byte));
  std::copy(tip.begin(), tip.end(), record.begin() + static_cast<std::ptrdiff_t>(layout.tip));
  return record;
}

TEST_P(FormRTest, TheAddTheTipAndTheDeleteHandTheirRecordsByteForByte) {
  Minimize();
  Message(0x7E9, 0, 0x202);
  Minimize();
  ASSERT_EQ(shell.records.size(), 5u);
  const std::string no_tip(64, '\0');
  std::string tavrel_tip = std::string("Tavrel") + '\0';
  tavrel_tip.resize(64, ' ');
  EXPECT_EQ(shell.records[0], Expected(layout, 3, no_tip)) << "the first add";
  EXPECT_EQ(shell.records[1], Expected(layout, 4, tavrel_tip)) << "the tip";
  EXPECT_EQ(shell.records[2], Expected(layout, 0, tavrel_tip)) << "the delete";
  EXPECT_EQ(shell.records[3], Expected(layout, 3, tavrel_tip)) << "a later add still carries the tip";
  EXPECT_EQ(shell.records[4], Expected(layout, 4, tavrel_tip));
}

TEST_P(FormRTest, TheResizeThatTheRestoreCausesDoesNothing) {
  Minimize();
  form.on_normal = [this] { Form_Resize(form, tray); };
  TakeCalls();
  Message(0x7E9, 0, 0x202);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"Shell_NotifyIconA 2 flags 0", "SetWindowLongPtrA 10020 -4 401000",
                                                   "SetNormal", "Show", "CallWindowProcA 401000 10020 7E9 0 202"}));
  EXPECT_FALSE(tray.InTray());
}

TEST_P(FormRTest, WhenTheIconCannotBeAddedAgainTheWindowShowsMinimized) {
  Minimize();
  TakeCalls();
  shell.accept_add = false;
  Message(kTaskbarCreated, 0, 0);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"Shell_NotifyIconA 0 flags 3", "SetWindowLongPtrA 10020 -4 401000",
                                                   "Show", "CallWindowProcA 401000 10020 C0DE 0 0"}));
  EXPECT_FALSE(tray.InTray());
  EXPECT_TRUE(form.visible);
  EXPECT_TRUE(form.minimized);
}

TEST_P(FormRTest, ARebuiltNotificationAreaGetsTheIconAgain) {
  Minimize();
  TakeCalls();
  Message(kTaskbarCreated, 0, 0);
  EXPECT_EQ(TakeCalls(), (std::vector<std::string>{"Shell_NotifyIconA 0 flags 3",
                                                   "Shell_NotifyIconA 1 flags 4 tip Tavrel",
                                                   "CallWindowProcA 401000 10020 C0DE 0 0"}));
  EXPECT_TRUE(tray.InTray());
}

TEST_P(FormRTest, EndedFromOutsideWhileHiddenTheIconGoesFirst) {
  struct Case {
    const char* name;
    std::uint32_t message;
    std::uint32_t wparam;
    bool removes;
  };
  const Case cases[] = {
      {"destroyed", 0x0002, 0, true},
      {"the session ends", 0x0016, 1, true},
      {"the session goes on", 0x0016, 0, false},
  };
  for (const Case& c : cases) {
    Rig in_tray(gbk, layout);
    in_tray.MinimizeToTray();

    in_tray.tray.TrayWindowProc(kWindow, c.message, c.wparam, 0);
    const std::string passed_on =
        "CallWindowProcA 401000 10020 " + FakeShell::Hex(c.message) + " " + FakeShell::Hex(c.wparam) + " 0";
    const std::vector<std::string> removing = {"Shell_NotifyIconA 2 flags 0", "SetWindowLongPtrA 10020 -4 401000",
                                               passed_on};
    EXPECT_EQ(in_tray.log.calls, c.removes ? removing : std::vector<std::string>{passed_on}) << c.name;
  }
}

INSTANTIATE_TEST_SUITE_P(Records, FormRTest, ::testing::Values(tray::kAnsiRecord32, tray::kAnsiRecord64),
                         [](const auto& info) { return info.param.size == 88 ? "Bits32" : "Bits64"; });

}  // namespace
}  // namespace tavrel::testing
