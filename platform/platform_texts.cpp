#include "platform/platform_texts.h"

#include <algorithm>

std::string Line_Column_Text(int32_t line0, int32_t column) {
  return " Строка: " + std::to_string(line0 + 1) + ": " + std::to_string(column);
}

std::string Line_Count_Text(int32_t count) { return " Всего строк: " + std::to_string(count); }
std::string Found_Count_Text(int32_t count) { return " Всего найдено: " + std::to_string(count); }
std::string Replaced_Count_Text(int32_t count) { return " Всего замен: " + std::to_string(count); }

const char* const kInsertText = " Вставка";
const char* const kOverwriteText = " Замена";
const char* const kMixed_Line_Ends_Mark = " (смеш.)";

std::string Intake_Progress_Text(std::size_t taken, std::size_t total) {
  const std::size_t percent = total ? std::min<std::size_t>(100, taken * 100 / total) : 100;
  return "Загружено: " + std::to_string(percent) + "%";
}

const char* const Progress_Label = "Делаю:";
const char* const Progress_Label_First_Pass = "Делаю раз:";
const char* const Progress_Label_Second_Pass = "Делаю два:";
const char* const kCommand_Stopped_Status = " Команда прервана";

const char* Layout_Mode_Label(int32_t mode) {
  switch (mode) {
    case 2:
      return "всегда запоминается при выходе";
    case 3:
      return "всегда английская";
    case 4:
      return "всегда русская";
    default:
      return "всегда по умолчанию";
  }
}

std::string Help_Missing_Text(const std::string& page) { return "Не удалось открыть справку " + page; }

const char* const kOpen_Filter = "Лировушки (*.txt)|*.txt|Прочая беда (*.*)|*.*|";
const char* const kSave_Filter = "Лировушка.txt (*.txt)|*.txt|Прочая беда (*.*)|*.*|";

const char* const kError_Access_Denied =
    "Нет доступа: файл или папка только для чтения, либо нет прав на запись в них.";
const char* const kError_Read_Only = "Файл только для чтения.";
const char* const kError_In_Use = "Файл занят другой программой.";
const char* const kError_Disk_Full = "На диске не хватило места.";
const char* const kError_No_File = "Файла нет.";
const char* const kError_No_Folder = "Такой папки нет.";
const char* const kError_Bad_Name = "Недопустимое имя файла.";
const char* const kError_Write_Protected = "Диск защищён от записи.";
const char* const kError_Not_Ready = "Диск не готов.";
const char* const kError_No_Memory = "Не хватило памяти.";
const char* const kError_Too_Large = "Файл слишком велик.";

std::string System_Error_Number_Text(unsigned long error) {
  return "Ошибка системы " + std::to_string(error) + ".";
}
