#pragma once
// The help topics as web pages in the "Help" folder, for systems that have no
// WinHelp viewer. The page generator and the program name them alike.
#include <string>

// The contents topic's page.
constexpr const char* kHelpContentsPage = "index.html";

// The page of the topic the program opens by `number` ("topic100.html").
std::string Help_Page_Name(int number);
