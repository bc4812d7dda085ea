#pragma once
// Texts between the program and the wide (UTF-16) Windows functions.
//
// Paths are UTF-8 inside the program, so a folder of any name can be held.
// The program's other 8-bit texts (player names, countries, what its files
// store) are in the system's code page, as the files keep them. Both meet in
// the same calls (a message may name a file), so a text that is valid UTF-8
// is taken as UTF-8 and any other in the code page. Plain ASCII reads the
// same either way; a code-page text with accented letters is practically
// never valid UTF-8 (an accented letter would have to be followed by the
// right number of symbols from 0x80..0xBF).
#include <windows.h>

#include <string>

namespace tintfall {

std::wstring toWide(const std::string& text);
// A wide path as the program holds it: UTF-8.
std::string pathFromWide(const std::wstring& path);
// A wide text in the system's code page; false when a character has no
// form there (the text then holds a replacement).
bool toCodePage(const std::wstring& text, std::string& out);
// A path that the 8-bit (ANSI) functions and texts can hold: the path
// itself when the code page has all its characters, else the short (8.3)
// form of the existing file, which is plain ASCII. A volume without short
// names leaves the path as it is.
std::wstring codePagePath(const std::wstring& path);

}  // namespace tintfall
