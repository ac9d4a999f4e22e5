#pragma once

#include <QDialog>
#include <QString>

class Desktop;
class Prompts;

// The address that "Email me!" writes to and the About dialog names.
inline constexpr const char* supportAddress = "support@cairnly.example";

// "About Cairnly": the program, its version and a link to the tutorial.
class AboutDialog : public QDialog
{
    Q_OBJECT
public:
    // Where the tutorial is installed beside the program: <program folder>/../share/cairnly/tutorial.html.
    static QString tutorialLocation();

    AboutDialog(const QString& tutorial, Desktop& desktop, Prompts& prompts, QWidget* parent = nullptr);

private:
    void openTutorial();

    QString tutorial;
    Desktop& desktop;
    Prompts& prompts;
};
