#include "settings/settings_texts.h"

const char* const kUndo_Warning =
    "  Напоминаю, что большое увеличение значения количеств \"Undo\" (отмена действий)\n"
    "приведет к расходу оперативной памяти и замедлению работы Лированика.";

const char* const kSettings_Page_Caption = "Настройки";
const char* const kSounds_Page_Caption = "Звуки";
const char* const kSound_Row_Hints[kSoundCount] = {
    "Запуск программы", "Разворачивание, восстановление или изменение размера окна", "Распахивание окна",
    "Сворачивание окна", "Выход из программы"};
const char* const kBrowse_Hint = "Обзор";
const char* const kPlay_Hint = "Проиграть выбранный файл";

const char* const kSound_File_Filter = "Звуковые файлы (*.wav)|*.wav|";

const char* const kRegistry_Write_Failed = "Failed to set data for ''";

std::string File_Type_Description(const std::string& type) { return "Файл " + type; }
const char* const kEdit_Verb_Caption = "&Изменить";
