#include "app/app_texts.h"

std::string Create_File_Question(const std::string& argument) {
  return "Создать файл с именем: " + argument + " ?";
}

const char* const kFirst_Window_Caption = "Запоминаем текущую раскладку";
