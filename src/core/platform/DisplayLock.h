#pragma once

// The named semaphore "SemName" (count 1 of 1) that running copies of the program share. It guards a
// cell's text request and the re-ordering of group members. A copy that died holding it must never
// freeze the others: after one time-out, or when it cannot be opened, the program goes on without it.
namespace cairnly {

class DisplayLock
{
public:
    explicit DisplayLock(const char* name = "SemName", int timeoutMilliseconds = 2000);
    ~DisplayLock();
    DisplayLock(const DisplayLock&) = delete;
    DisplayLock& operator=(const DisplayLock&) = delete;

    bool isActive() const { return handle != nullptr; }

    class Hold
    {
    public:
        explicit Hold(DisplayLock& lock);
        ~Hold();
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        DisplayLock& lock;
        bool held = false;
    };

private:
    bool acquire();
    void release();
    void giveUp();

    void* handle = nullptr;
    int timeoutMilliseconds;
};

} // namespace cairnly
