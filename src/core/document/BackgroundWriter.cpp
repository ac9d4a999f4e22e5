#include "core/document/BackgroundWriter.h"

namespace cairnly {

BackgroundWriter::BackgroundWriter(std::function<void(WriteReport)> finishedWrite)
    : finished(std::move(finishedWrite)), thread([this] { run(); })
{}

BackgroundWriter::~BackgroundWriter()
{
    {
        const std::lock_guard lock(mutex);
        stopping = true;
        waiting.reset();
    }
    changed.notify_all();
    thread.join();
}

void BackgroundWriter::submit(PreparedWrite write)
{
    {
        const std::lock_guard lock(mutex);
        waiting = std::move(write);
    }
    changed.notify_all();
}

void BackgroundWriter::cancelAndWait()
{
    std::unique_lock lock(mutex);
    waiting.reset();
    changed.wait(lock, [this] { return !writing; });
}

void BackgroundWriter::run()
{
    std::unique_lock lock(mutex);
    for (;;) {
        changed.wait(lock, [this] { return stopping || waiting; });
        if (stopping)
            return;
        PreparedWrite write = std::move(*waiting);
        waiting.reset();
        writing = true;
        lock.unlock();
        WriteReport report = writePrepared(write);
        if (finished)
            finished(std::move(report));
        lock.lock();
        writing = false;
        changed.notify_all();
    }
}

} // namespace cairnly
