#include "search/search_texts.h"

const char* const kFindTextDefault = "Введите слово или фразу";

std::string Search_Outside_Win1251_Notice(const std::string& first) {
  return "В тексте поиска или замены есть знак, которого нет в кодировке WIN: «" + first +
         "». Такой текст искать и вставлять не умею.";
}

const char* const kFindAgainQuestion = "Текст не найден! Продолжить поиск сначала?";
const char* const kReplaceAgainQuestion =
    "Усе шо было заменил. А может и вообще не нашел,\nчто менять...! Попытаться менять сначала?";

const char* const kGoToLinePrompt = "Введи номер строки:";
const char* const kGoToLineBadNumber = "Введено что-то совсем несуразное!";
const char* const kGoToLineMissing = "Искомая строка не найдена. Курсор поставлен в конец текста.";
