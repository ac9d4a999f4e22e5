#pragma once

#include "core/document/BackgroundWriter.h"

#include <QObject>

#include <functional>
#include <vector>

class QTimer;

// Writes the working file and its settings again about a second after the last change, exactly as a
// close would write them, so a crash or a kill loses at most the last seconds. The bytes are made here,
// the disk is written on a thread of its own. Nothing is written while a hide mode is on: the working file
// holds the whole list then. A failed write is told once, until a write succeeds again.
class Autosave : public QObject
{
    Q_OBJECT
public:
    static constexpr int delayMilliseconds = 1000;

    // beforeWrite brings the settings up to date (the window's rectangle); tell shows a failure.
    Autosave(cairnly::GearDocument& document, std::function<void()> beforeWrite,
             std::function<void(const std::vector<cairnly::Message>&)> tell, QObject* parent = nullptr);

    // A change: the write follows once the changes have paused.
    void schedule();
    // The write the pause waits for, now (as the timer would).
    void writeNow();
    // Before a write of the window's own: nothing waits and nothing is under way.
    void stop();

private:
    void finished(const cairnly::WriteReport& report);

    cairnly::GearDocument& document;
    std::function<void()> beforeWrite;
    std::function<void(const std::vector<cairnly::Message>&)> tell;
    QTimer* timer;
    bool failureTold = false;
    cairnly::BackgroundWriter writer; // last: it calls back into this object until it has stopped
};
