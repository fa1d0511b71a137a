#include "documents/documents_texts.h"

#include <cstdio>

const char* const kIntakeStoppedText = " Загрузка прервана";
const char* const kIntakeBrokenText = " Файл изменился";

std::string File_Changed_During_Intake_Text(const std::string& path) {
  return "Файл " + path +
         " изменился, пока загружался: в окне только его часть. Сохранение поверх файла запишет лишь эту "
         "часть.";
}

std::string Recover_Question(const std::string& name, const std::string& when) {
  return "В прошлый раз Лированик закрылся, не сохранив изменения в «" + name + "» (копия от " + when +
         "). Восстановить текст?";
}

std::string Damaged_Recovery_Text(const std::string& copy) {
  return "Копия несохранённого текста повреждена или записана не до конца, и текст из неё не восстановлен. "
         "Файл копии оставлен на месте: " +
         copy;
}

std::string Kept_Copy_Question(const std::string& file, const std::string& copy) {
  return "Сохранение файла " + file +
         " в прошлый раз прервалось, и файл мог остаться неполным. Его прежнее "
         "содержимое сохранено в копии " +
         copy + ". Открыть эту копию?";
}

std::string Recovery_Time_Text(unsigned day, unsigned month, unsigned year, unsigned hour, unsigned minute) {
  char text[40];
  snprintf(text, sizeof text, "%02u.%02u.%04u в %02u:%02u", day, month, year, hour, minute);
  return text;
}

namespace {

std::string Megabytes(unsigned long long bytes) { return std::to_string((bytes + (1u << 20) - 1) >> 20); }

}  // namespace

std::string Too_Large_Text(const std::string& path, const Memory_Need& need) {
  return "Файл " + path + " слишком велик: чтобы показать его, нужно около " + Megabytes(need.Needed) +
         " МБ памяти, а свободно " + Megabytes(need.Available) + " МБ. Файл не открыт.";
}

std::string Not_Utf8_File_Text(const std::string& path) {
  return "Файл " + path +
         " не читается как UTF-8: в нём есть байты, каких в этой кодировке не бывает. Файл не перечитан.";
}

std::string Partial_Save_Question(const std::string& path) {
  return "В окне только часть файла " + path +
         ": загрузку прервали или файл изменился, пока загружался. Записать эту часть поверх всего файла?";
}

std::string Changed_On_Disk_Question(const std::string& path) {
  return "Файл " + path +
         " изменила другая программа после того, как он был открыт или сохранён здесь. Записать поверх него "
         "текст из окна? Изменения другой программы пропадут.";
}

namespace {

// "1 знак", "3 знака", "11 знаков", "22 знака".
std::string Characters_Text(size_t count) {
  const size_t last = count % 10, last_two = count % 100;
  const char* word = "знаков";
  if (last == 1 && last_two != 11) word = "знак";
  if (last >= 2 && last <= 4 && (last_two < 12 || last_two > 14)) word = "знака";
  return std::to_string(count) + " " + word;
}

// "В тексте 3 знака, которых нет в кодировке KOI, первый: «Ω»."
std::string Outside_Text(const Characters_Outside& outside, File_Encoding encoding) {
  const std::string name = File_Encoding_Name(encoding);
  const std::string which = outside.Count == 1 ? ", которого нет в кодировке " + name + ": «"
                                               : ", которых нет в кодировке " + name + ", первый: «";
  return "В тексте " + Characters_Text(outside.Count) + which + outside.First + "».";
}

}  // namespace

std::string Outside_Encoding_Question(const Characters_Outside& outside, File_Encoding encoding) {
  const std::string name = File_Encoding_Name(encoding);
  return Outside_Text(outside, encoding) +
         "\n\nДа: сохранить файл в кодировке UTF-8.\nНет: сохранить в кодировке " + name +
         ", поставив вместо " + (outside.Count == 1 ? "этого знака" : "этих знаков") +
         " «?».\nОтмена: не сохранять.";
}

std::string Not_Saved_Text(const std::string& path) { return "Файл не сохранён: " + path; }

std::string Outside_Chosen_Encoding_Warning(const Characters_Outside& outside, File_Encoding encoding) {
  return Outside_Text(outside, encoding) +
         " Кодировка выбрана; при сохранении будет предложено сохранить файл в кодировке UTF-8.";
}

const char* const kSaveChangesQuestion = "Сохранить изменения в текущей лировушке?";
const char* const kHistoryFileMissing = "Файл был удален, перемещен или его съел голодный вирусняк!";
const char* const kClipboardNotText = "В буфере обмена находится не текст";
const char* const kEmptyHistoryCaption = "Хм! Пока ничего не открывалось";

std::string Printer_Error_Text(unsigned long code) { return "Ошибка принтера " + std::to_string(code); }
