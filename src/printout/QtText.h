#pragma once

#include <QString>

#include <filesystem>
#include <string>
#include <string_view>

// Texts cross between the core's Windows-1252 and Qt's UTF-16 here only.
QString fromCp1252(std::string_view text);
// Characters without a Windows-1252 form never get this far: the edit fields refuse them.
std::string toCp1252(const QString& text);
// Paths cross as UTF-8, whole: any character a file name may hold.
std::filesystem::path toPath(const QString& text);
QString fromPath(const std::filesystem::path& path);
// A message text as a message box shows it: "\r\n" becomes a plain line break.
QString messageText(const std::string& utf8);
