#include "documents/document.h"

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
