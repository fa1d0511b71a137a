#include "text/text_as_bytes.h"

#include "common/control_text.h"
#include "common/file_encoding.h"
#include "common/page_encoding.h"
#include "text/page_detector.h"

File_Encoding Encoding_Of(Text_Page page) {
  switch (page) {
    case Page_DOS:
      return File_Encoding::Dos;
    case Page_ISO:
      return File_Encoding::Iso;
    case Page_KOI:
      return File_Encoding::Koi;
    case Page_MAC:
      return File_Encoding::Mac;
    case Page_KOI8U:
      return File_Encoding::Koi8_U;
    case Page_CP1125:
      return File_Encoding::Cp1125;
    case Page_IBM855:
      return File_Encoding::Ibm855;
    case Page_UTF8:
      return File_Encoding::Utf8;
    default:
      return File_Encoding::Win;
  }
}

namespace {

void Nul_To_Sign(std::wstring& text) {
  for (wchar_t& c : text)
    if (c == L'\0') c = kNulSymbol;
}

}  // namespace

std::optional<std::string> Text_As_Win1251_Bytes(const std::wstring& text) {
  if (Characters_Outside_Encoding(text, File_Encoding::Win, kNulSymbol).Count) return std::nullopt;
  return Encode_Page_Text(text, File_Encoding::Win, kNulSymbol);
}

std::wstring Bytes_As_Text(const std::string& bytes, Text_Page page) {
  std::wstring text = Decode_File_Text(bytes, Encoding_Of(page));
  Nul_To_Sign(text);
  return text;
}

std::wstring Utf8_Bytes_As_Win1251(const std::wstring& text) {
  std::wstring plain = text;
  for (wchar_t& c : plain)
    if (c == kNulSymbol) c = L'\0';
  return Bytes_As_Text(Encode_File_Text(plain, File_Encoding::Utf8), Page_WIN);
}

File_Encoding Recognize_File_Page(std::string_view bytes) {
  const Page_Guess guess = Detect_Page(bytes);
  if (guess.page == Page_Unknown || !Is_Eight_Bit_Page(static_cast<Text_Page>(guess.page)))
    return File_Encoding::Win;
  const File_Encoding page = Encoding_Of(static_cast<Text_Page>(guess.page));
  if (page == File_Encoding::Win) return page;
  // The file is judged by a sample; whether it reads alike in both pages is
  // a look at each byte's place in the two charts, not a decoding of a text
  // that may be large.
  const auto &in_page = Upper_Half_Of(page), &in_win = Upper_Half_Of(File_Encoding::Win);
  for (const char c : bytes) {
    const auto b = static_cast<unsigned char>(c);
    if (b >= 0x80 && in_page[b - 0x80] != in_win[b - 0x80]) return page;
  }
  return File_Encoding::Win;
}
