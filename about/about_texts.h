#pragma once
// The about box's texts, UTF-8 encoded; the window layer widens them to UTF-16.
#include <cstddef>
#include <string>

extern const char* const About_Caption;         // " О программе"
extern const char* const About_Program_Title;   // "Лированик 2.8"
extern const char* const About_Product_Name;    // "Имя продукта: "Лированик""
extern const char* const About_Version_Prefix;  // "Версия продукта: "
extern const char* const About_Freeware;        // "Freeware"
extern const char* const About_Author_Caption;  // "Автор:"
extern const char* const About_Author;          // who made the program
extern const char* const About_Mail_Address;    // the e-mail link's text
extern const char* const About_Home_Caption;    // "Home Page:"
extern const char* const About_Home_Page;       // the home-page link's text and target
extern const char* const About_OK;              // "OK"

constexpr int Story_Piece_Count = 5;
// Piece k (1 to 5) of the scrolling story, or "" for any other k. The pieces
// are cut mid-sentence at spaces: joined by single spaces they read as one text.
const char* Story_Piece(int k);

// What the e-mail link opens: "mailto:" and the address.
std::string About_Mail_Target();

// The version label: the prefix and the 11th to 13th characters of the program
// title, which hold its version number.
std::string About_Version_Text(const std::string& program_title);

// Characters, not bytes, of a UTF-8 string.
std::size_t Utf8_Length(const std::string& text);
// Up to count characters from the character at first (0-based).
std::string Utf8_Substr(const std::string& text, std::size_t first, std::size_t count);
