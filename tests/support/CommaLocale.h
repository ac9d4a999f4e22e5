#pragma once

#include <clocale>
#include <string>

// Switches the process to a comma-decimal locale for one test, as Qt does with the system locale.
class CommaLocale
{
public:
    CommaLocale()
    {
        previous = std::setlocale(LC_ALL, nullptr);
        // Linux's names, then Windows'.
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "German_Germany.1252", "de-DE"}) {
            if (std::setlocale(LC_ALL, name)) {
                active = true;
                break;
            }
        }
    }
    ~CommaLocale() { std::setlocale(LC_ALL, previous.c_str()); }
    // False when no comma locale is installed; a test then skips with this text.
    bool isActive() const { return active; }
    static constexpr const char* missing =
        "no comma-decimal locale is installed: scripts/setup.sh generates de_DE.UTF-8, or as root add the line "
        "\"de_DE.UTF-8 UTF-8\" to /etc/locale.gen and run locale-gen";

private:
    std::string previous;
    bool active = false;
};
