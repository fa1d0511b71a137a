#include "documents/document.h"

std::string Line_Ends_Panel_Text(const Document& document) {
  const std::string name = std::string(" ") + Line_End_Name(document.Ends);
  return document.Mixed_Ends ? name + " (смеш.)" : name;
}

std::string File_Changed_During_Intake_Text(const std::string& path) {
  return "Файл " + path +
         " изменился, пока загружался: в окне только его часть. Сохранение поверх файла запишет лишь эту "
         "часть.";
}
