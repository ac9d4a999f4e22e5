#pragma once

#include "core/document/GearDocument.h"

#include <condition_variable>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

namespace cairnly {

// Writes prepared writes on a thread of its own, one at a time, so a large list is written and synced
// while the window goes on. A write handed in while another waits takes its place: only the newest list
// matters. Each outcome goes to the callback, on the writer's thread.
class BackgroundWriter
{
public:
    explicit BackgroundWriter(std::function<void(WriteReport)> finished);
    // Finishes the write under way; a waiting one is dropped.
    ~BackgroundWriter();
    BackgroundWriter(const BackgroundWriter&) = delete;
    BackgroundWriter& operator=(const BackgroundWriter&) = delete;

    void submit(PreparedWrite write);
    // Drops a waiting write and waits until none is under way, so a write made now comes last.
    void cancelAndWait();

private:
    void run();

    std::function<void(WriteReport)> finished;
    std::mutex mutex;
    std::condition_variable changed;
    std::optional<PreparedWrite> waiting;
    bool writing = false;
    bool stopping = false;
    std::thread thread;
};

} // namespace cairnly
