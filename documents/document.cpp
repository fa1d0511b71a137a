#include "documents/document.h"

std::string Line_Ends_Panel_Text(const Document& document) {
  const std::string name = std::string(" ") + Line_End_Name(document.Ends);
  return document.Mixed_Ends ? name + " (смеш.)" : name;
}
