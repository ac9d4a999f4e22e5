#include "core/platform/DisplayLock.h"
#include "ChildProcess.h"
#include "ScratchFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <string>
#include <thread>

#ifndef _WIN32
#include <semaphore.h>
#endif

using namespace cairnly;
using namespace std::chrono_literals;
namespace fs = std::filesystem;

namespace {

// Another process that takes the lock, waiting at most 300 ms, and holds it while the flag file "held" is
// there.
ChildProcess takeInAnotherProcess(const ScratchFolder& folder, const std::string& lockName)
{
    return ChildProcess(fs::absolute(CAIRNLY_HOLD_DISPLAY_LOCK), {lockName, "held", "300"}, folder.path(),
                        folder / "out.txt", folder / "err.txt");
}

bool appears(const fs::path& file)
{
    for (auto waited = 0ms; waited < 20s; waited += 10ms) {
        if (fs::exists(file))
            return true;
        std::this_thread::sleep_for(10ms);
    }
    return false;
}

} // namespace

TEST(DisplayLock, IsSharedWithOtherProcessesAndItsWaitIsBounded)
{
    ScratchFolder folder;
    const std::string name = "CairnlyTest" + std::to_string(std::random_device()());
    DisplayLock lock(name.c_str(), 300);
    ASSERT_TRUE(lock.isActive());
    {
        const DisplayLock::Hold hold(lock);
        // Taken here, so the other process gives up after its time-out.
        ChildProcess other = takeInAnotherProcess(folder, name);
        EXPECT_EQ(other.wait(), 1);
        EXPECT_FALSE(fs::exists(folder / "held"));
    }
    EXPECT_TRUE(lock.isActive());

    // Released, so the other process takes it.
    ChildProcess other = takeInAnotherProcess(folder, name);
    ASSERT_TRUE(appears(folder / "held"));
    const auto start = std::chrono::steady_clock::now();
    {
        const DisplayLock::Hold hold(lock);
    }
    const auto waited = std::chrono::steady_clock::now() - start;
    EXPECT_GE(waited, 250ms);
    EXPECT_LT(waited, 10s);
    // After one time-out the program goes on without the lock, and never waits again.
    EXPECT_FALSE(lock.isActive());
    fs::remove(folder / "held");
    EXPECT_EQ(other.wait(), 0);

    DisplayLock again(name.c_str(), 300);
    {
        const DisplayLock::Hold hold(again);
        EXPECT_TRUE(again.isActive());
    }
#ifndef _WIN32
    // A POSIX semaphore's name outlives its last user; Windows removes it with the last handle.
    sem_unlink(("/" + name).c_str());
#endif
}
