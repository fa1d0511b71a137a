#include "common/common_texts.h"

const char* const kUntitledName = "Лировушка.txt";
const char* const kMessageCaption = "Лированик 2.8";
