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
    // False when no comma locale is installed (scripts/setup.sh generates de_DE.UTF-8).
    bool isActive() const { return active; }

private:
    std::string previous;
    bool active = false;
};
