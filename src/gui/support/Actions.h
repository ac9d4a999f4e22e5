#pragma once

#include <QAction>
#include <QWidget>

// An action of the widget, named for the tests, that runs the handler; added to the widget, so its
// shortcut works wherever the focus is in the window.
template <class Widget>
QAction* addCommand(Widget* owner, const char* name, const QString& text, void (Widget::*handler)())
{
    auto* action = new QAction(text, owner);
    action->setObjectName(QString::fromLatin1(name));
    QObject::connect(action, &QAction::triggered, owner, handler);
    owner->addAction(action);
    return action;
}
