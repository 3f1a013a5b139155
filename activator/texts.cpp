#include "activator/texts.h"

namespace vesktal {
namespace {

// “…” around the path, the full-width comma and exclamation mark.
constexpr std::u16string_view kOpenQuote = u"\u201C";
constexpr std::u16string_view kCloseQuote = u"\u201D";
constexpr std::u16string_view kCannotActivate = u"\uFF0C无法激活Ombrik输入法\uFF01";

std::u16string AboutFile(std::u16string_view ime_path, std::u16string_view what_happened) {
  std::u16string text(u"文件");
  text += kOpenQuote;
  text += ime_path;
  text += kCloseQuote;
  text += what_happened;
  text += kCannotActivate;
  return text;
}

}  // namespace

std::u16string MissingFileMessage(std::u16string_view ime_path) {
  return AboutFile(ime_path, u"未找到");
}

std::u16string RefusedFileMessage(std::u16string_view ime_path) {
  return AboutFile(ime_path, u"安装失败");
}

std::u16string NoSystemDirectoryMessage() {
  std::u16string text(u"无法取得系统目录");
  text += kCannotActivate;
  return text;
}

}  // namespace vesktal
