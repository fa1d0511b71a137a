#include "text/text_texts.h"

#include "common/win1251_unicode.h"

std::string Conversion_Caption_Text(const char* source_name, const char* target_name) {
  return std::string("Перевести из ") + source_name + " в " + target_name + " кодировку";
}

std::string Outside_Win1251_Refusal(const std::wstring& first) {
  return "В тексте есть знаки, которых нет в кодировке WIN, первый: «" + Utf16_To_Utf8(first) +
         "». Эта команда их не сохранит, поэтому текст оставлен как есть.";
}

std::string Recognized_Status_Text(const std::string& page_name) { return " Распознано: " + page_name; }

const char* const kNot_Recognized_Status = " Не распознано";
const char* const kNot_Recognized_Notice =
    "Кодировку распознать не удалось: текст слишком короткий или не похож на русский. Текст не изменён.";
const char* const kAlready_Win_Notice = "Текст уже в кодировке WIN. Текст не изменён.";
const char* const kNot_Utf8_Notice =
    "Текст не является записью в кодировке UTF-8, перевести его в WIN нельзя. Текст не изменён.";

std::string Not_File_Bytes_Notice(const std::string& first_character) {
  return "В тексте есть знаки, которых нет в кодировке WIN, первый: «" + first_character +
         "». Такой текст не может быть байтами файла. Текст не изменён.";
}

const char* const Smart_Format_Warning =
    "   Внимание!!! Обязательно перед этой операцией поставьте шрифт в Лирванике на Courier New\r"
    "Собственно, здесь речь идет о форматировании текста, который потом удобно читать.\r"
    "Например - электронную книгу. Перед \"Умным форматированием\" вы должны были выделить весь\r"
    "текст и сделать: \"Удаление лишних знаков перевода каретки\", \"Удаление лишних пробелов между "
    "словами\",\r"
    "\"Замена табуляторов на четыре пробела\" и по желанию \"Удаление одного пробела в начале строки\".\r"
    "Если все условия выполнены, то смело нажимайте на кнопку \"Да\", иначе - \"Нет\". И желательно читать "
    "Help.";

const char* const Smart_Format_Done =
    "  Теперь, растянув окно редактора по ширине, вы можете убедиться, что текст отформатирован.";
