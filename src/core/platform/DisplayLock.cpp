#include "core/platform/DisplayLock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <ctime>
#include <fcntl.h>
#include <semaphore.h>
#include <string>
#endif

namespace cairnly {

#ifdef _WIN32
DisplayLock::DisplayLock(const char* name, int timeout) : timeoutMilliseconds(timeout)
{
    handle = CreateSemaphoreA(nullptr, 1, 1, name);
}

bool DisplayLock::acquire()
{
    return WaitForSingleObject(static_cast<HANDLE>(handle), static_cast<DWORD>(timeoutMilliseconds)) == WAIT_OBJECT_0;
}

void DisplayLock::release()
{
    ReleaseSemaphore(static_cast<HANDLE>(handle), 1, nullptr);
}

void DisplayLock::giveUp()
{
    CloseHandle(static_cast<HANDLE>(handle));
    handle = nullptr;
}
#else
DisplayLock::DisplayLock(const char* name, int timeout) : timeoutMilliseconds(timeout)
{
    const std::string posixName = std::string("/") + name;
    sem_t* semaphore = sem_open(posixName.c_str(), O_CREAT, 0666, 1);
    handle = semaphore == SEM_FAILED ? nullptr : semaphore;
}

bool DisplayLock::acquire()
{
    timespec deadline{};
    clock_gettime(CLOCK_REALTIME, &deadline);
    deadline.tv_sec += timeoutMilliseconds / 1000;
    deadline.tv_nsec += static_cast<long>(timeoutMilliseconds % 1000) * 1000000L;
    if (deadline.tv_nsec >= 1000000000L) {
        deadline.tv_sec += 1;
        deadline.tv_nsec -= 1000000000L;
    }
    int result;
    do {
        result = sem_timedwait(static_cast<sem_t*>(handle), &deadline);
    } while (result != 0 && errno == EINTR);
    return result == 0;
}

void DisplayLock::release()
{
    sem_post(static_cast<sem_t*>(handle));
}

void DisplayLock::giveUp()
{
    sem_close(static_cast<sem_t*>(handle));
    handle = nullptr;
}
#endif

DisplayLock::~DisplayLock()
{
    if (handle)
        giveUp();
}

DisplayLock::Hold::Hold(DisplayLock& lock) : lock(lock)
{
    if (!lock.handle)
        return;
    held = lock.acquire();
    if (!held)
        lock.giveUp();
}

DisplayLock::Hold::~Hold()
{
    if (held && lock.handle)
        lock.release();
}

} // namespace cairnly
