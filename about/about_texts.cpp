#include "about/about_texts.h"
#include "common/utf8.h"

const char* const About_Caption = " О программе";
const char* const About_Program_Title = "Лированик 2.8";
const char* const About_Product_Name = "Имя продукта: \"Лированик\"";
const char* const About_Version_Prefix = "Версия продукта: ";
const char* const About_Freeware = "Freeware";
const char* const About_Author_Caption = "Автор:";
const char* const About_Author = "Lirovant";
const char* const About_Mail_Address = "lirovant@example.org";
const char* const About_Home_Caption = "Home Page:";
const char* const About_Home_Page = "https://lirovant.example.org/";
const char* const About_OK = "OK";

namespace {

const char* const Story[Story_Piece_Count] = {
    "В интернете мне часто попадались заменители блокнота Notepad. Одни были "
    "громоздкими и медленными, другие спотыкались на больших файлах, третьи не "
    "знали русской кодировки DOS и вместо букв показывали непонятные значки. "
    "Так и родилась мысль",

    "сделать меня таким: маленьким, быстрым и простым. Я открываю файлы любого "
    "размера в один миг, без долгого ожидания, помню, где стояло моё окно и на "
    "какой строке остановился курсор, и одним нажатием клавиш перевожу текст "
    "между пятью кириллическими",

    "кодировками. Я умею исправлять текст, набранный не в той раскладке, "
    "переводить кириллицу в латиницу, менять регистр букв и приводить в порядок "
    "строки с лишними пробелами и разорванными переносами. А ещё я сам "
    "привязываю себя ко всем",

    "текстовым файлам TXT, INI, LOG, BAT и другим прямо из окна настроек, без "
    "программы установки: достаточно положить меня в любую папку и отметить "
    "нужные типы файлов. Если я стану не нужен, одна галочка вернёт всё как "
    "было прежде, и",

    "никаких следов в системе не останется. Надеюсь, что работать со мной вам "
    "будет легко. Пользуйтесь на здоровье, советуйте меня друзьям и пишите о "
    "своих находках…",
};

bool Is_Continuation(unsigned char byte) { return Is_Utf8_Continuation(byte); }

// Byte offset of the character at index, or the length when there is none.
std::size_t Byte_Offset(const std::string& text, std::size_t index) {
  std::size_t pos = 0;
  for (std::size_t seen = 0; pos < text.size(); ++pos) {
    if (Is_Continuation(static_cast<unsigned char>(text[pos]))) continue;
    if (seen++ == index) return pos;
  }
  return text.size();
}

}  // namespace

const char* Story_Piece(int k) {
  if (k < 1 || k > Story_Piece_Count) return "";
  return Story[k - 1];
}

std::string About_Mail_Target() { return std::string("mailto:") + About_Mail_Address; }

std::string About_Version_Text(const std::string& program_title) {
  return About_Version_Prefix + Utf8_Substr(program_title, 10, 3);
}

std::size_t Utf8_Length(const std::string& text) {
  std::size_t count = 0;
  for (unsigned char byte : text) count += !Is_Continuation(byte);
  return count;
}

std::string Utf8_Substr(const std::string& text, std::size_t first, std::size_t count) {
  const std::size_t begin = Byte_Offset(text, first);
  const std::size_t end = Byte_Offset(text, first + count);
  return text.substr(begin, end - begin);
}
