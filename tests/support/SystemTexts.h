#pragma once

#include <string>
#include <vector>

// The system's own words for the failures the tests cause. They differ by platform, and Wine's differ
// from Windows'.
#ifdef _WIN32
inline const std::vector<std::string> folderInTheWayTexts{"Access is denied.", "Access denied."};
inline const std::vector<std::string> accessDeniedTexts = folderInTheWayTexts;
inline const std::vector<std::string> missingFolderTexts{"The system cannot find the path specified.",
                                                         "Path not found."};
// What the C library says when a folder is opened as a file.
inline const std::string folderReadText = "Permission denied";
#else
inline const std::vector<std::string> folderInTheWayTexts{"Is a directory"};
inline const std::vector<std::string> missingFolderTexts{"No such file or directory"};
inline const std::string folderReadText = "Is a directory";
#endif

// Whether the text is the pattern with its "%s" replaced by one of the system's texts.
inline bool saysWith(const std::string& text, const std::string& pattern, const std::vector<std::string>& systemTexts)
{
    const std::size_t at = pattern.find("%s");
    for (const std::string& systemText : systemTexts) {
        if (at != std::string::npos && text == pattern.substr(0, at) + systemText + pattern.substr(at + 2))
            return true;
    }
    return false;
}
