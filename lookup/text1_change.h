// The lookup driver: turns the text of the input box into the code line and
// the reading line.
#pragma once

#include <string>
#include <string_view>

#include "lookup/ansi_code_page.h"
#include "lookup/lookup_chain.h"
#include "lookup/no_code_message.h"

namespace tavrel {

// What one run of the driver needs from around it.
struct LookupServices {
  const AnsiCodePage& code_page;
  LookupChain reading_slices;
  LookupChain code_slices;
  NoCodePresenter& no_code;
};

struct LookupLines {
  std::u16string code_line;     // for Text2
  std::u16string reading_line;  // for Text3
};

// Walks the input one UTF-16 code unit at a time. A plain character is copied
// to both lines; every other character is looked up, reading first, then code.
// Both lines come back trimmed of U+0020 at both ends. Inputs of any length
// are walked whole.
LookupLines BuildLookupLines(std::u16string_view input, const LookupServices& services);

// The three boxes of the window, as the driver sees them.
class LookupBoxes {
 public:
  virtual ~LookupBoxes() = default;
  virtual std::u16string Text1() const = 0;
  virtual void SetText2(const std::u16string& code_line) = 0;
  virtual void SetText3(const std::u16string& reading_line) = 0;
};

// The change handler of Text1: reads Text1 once, then writes Text2 and then
// Text3, once each. It never writes Text1.
void Text1_Change(LookupBoxes& boxes, const LookupServices& services);

}  // namespace tavrel
