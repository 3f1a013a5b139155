#include "activator/texts.h"

namespace vesktal {
namespace {

// “…” around the path, the full-width comma and exclamation mark.
constexpr std::u16string_view kOpenQuote = u"\u201C";
constexpr std::u16string_view kCloseQuote = u"\u201D";
constexpr std::u16string_view kCannotActivate = u"\uFF0C无法激活Ombrik输入法\uFF01";

Text AboutFile(std::u16string_view ime_path, std::u16string_view what_happened) {
  return Joined({u"文件", kOpenQuote, ime_path, kCloseQuote, what_happened, kCannotActivate});
}

}  // namespace

Text MissingFileMessage(std::u16string_view ime_path) { return AboutFile(ime_path, u"未找到"); }

Text RefusedFileMessage(std::u16string_view ime_path) { return AboutFile(ime_path, u"安装失败"); }

Text NoSystemDirectoryMessage() { return Joined({u"无法取得系统目录", kCannotActivate}); }

}  // namespace vesktal
