// Takes the display lock and holds it while the flag file it writes is there, so that a test sees
// another process hold the lock. Usage: hold-display-lock NAME FLAG_FILE TIMEOUT_MILLISECONDS
// Exit status: 0 taken and released again, 1 not taken within the time-out, 2 wrong use.
#include "core/platform/DisplayLock.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    const std::filesystem::path flag = argv[2];
    cairnly::DisplayLock lock(argv[1], std::stoi(argv[3]));
    cairnly::DisplayLock::Hold hold(lock);
    if (!lock.isActive())
        return 1;
    std::ofstream(flag) << "held";
    // A test that died before removing the flag does not leave the lock taken for long.
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(60);
    while (std::filesystem::exists(flag) && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    return 0;
}
