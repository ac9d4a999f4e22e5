#pragma once

#include <QApplication>

// The wait cursor for as long as the list is read, written or rebuilt.
class BusyCursor
{
public:
    explicit BusyCursor(bool on = true) : on(on)
    {
        if (on)
            QApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~BusyCursor()
    {
        if (on)
            QApplication::restoreOverrideCursor();
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    bool on;
};
