#include "gui/dialogs/AboutDialog.h"

#include "gui/dialogs/LinkLabel.h"
#include "gui/support/Desktop.h"
#include "gui/support/DialogLayout.h"
#include "gui/support/Icons.h"
#include "gui/support/Prompts.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QUrl>
#include <QVBoxLayout>

QString AboutDialog::tutorialLocation()
{
    return QDir::toNativeSeparators(
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/cairnly/tutorial.html")));
}

AboutDialog::AboutDialog(const QString& tutorialFile, Desktop& desktopServices, Prompts& prompter, QWidget* parent)
    : QDialog(parent), tutorial(tutorialFile), desktop(desktopServices), prompts(prompter)
{
    setObjectName(QStringLiteral("aboutDialog"));
    setWindowTitle(tr("About Cairnly"));
    setModal(true);

    auto* icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setPixmap(cairnlyIcon("cairnly").pixmap(32, 32));
    icon->setAlignment(Qt::AlignCenter);

    auto* text = new QLabel(QStringLiteral("Cairnly\n\n"
                                           "Vesion 5.10\n\n"
                                           "Keeps your backpacking gear list and weighs what you carry.\n"
                                           "Questions and suggestions: %1\n\n"
                                           "Tutorial at:")
                                .arg(QString::fromLatin1(supportAddress)),
                            this);
    text->setObjectName(QStringLiteral("aboutLabel"));
    text->setTextFormat(Qt::PlainText);
    text->setAlignment(Qt::AlignCenter);

    auto* link = new LinkLabel(tutorial, this);
    link->setObjectName(QStringLiteral("linkLabel"));
    link->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    connect(link, &LinkLabel::clicked, this, &AboutDialog::openTutorial);

    auto* buttons = buttonRow({okButton(*this, true)});
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(icon);
    layout->addWidget(text);
    layout->addWidget(link);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setMinimumWidth(360);
}

void AboutDialog::openTutorial()
{
    // A desktop's opener only says that it started, so a missing page is found here.
    if (QFileInfo(tutorial).isFile() && desktop.openUrl(QUrl::fromLocalFile(tutorial)))
        return;
    prompts.show(this, cairnly::Message{tutorial.toStdString(), "Unable to open in browser",
                                        cairnly::MessageIcon::Exclamation, cairnly::MessageButtons::Ok});
}
