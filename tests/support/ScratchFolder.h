#pragma once

#include "core/files/AtomicFile.h"

#include <filesystem>
#include <random>
#include <stdexcept>
#include <string>
#ifndef _WIN32
#include <unistd.h>
#endif

// Whether a test can take away this process's right to read or write a file through the permission bits:
// root reads and writes whatever they say, and Windows has none for reading (its read-only attribute has
// tests of its own), so the tests of them skip there.
inline bool permissionsBind()
{
#ifdef _WIN32
    return false;
#else
    return geteuid() != 0;
#endif
}

inline constexpr const char* permissionsDoNotBind = "permission bits do not bind here (root, or Windows)";

// A new empty folder for one test, removed with everything in it afterwards.
class ScratchFolder
{
public:
    ScratchFolder()
    {
        // Tests run in parallel processes: each takes a folder no other one has made.
        std::random_device random;
        for (int attempt = 0; attempt < 100; ++attempt) {
            folder = std::filesystem::temp_directory_path() / ("cairnly-test-" + std::to_string(random()));
            if (std::filesystem::create_directory(folder))
                return;
        }
        throw std::runtime_error("cannot make a scratch folder");
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(folder, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::filesystem::path& path() const { return folder; }
    std::filesystem::path operator/(const std::filesystem::path& name) const { return folder / name; }

    // The file's bytes, "<missing>" or "<unreadable>".
    std::string read(const std::filesystem::path& name) const
    {
        const cairnly::WholeFile whole = cairnly::readWholeFile(folder / name);
        if (whole.read())
            return std::string(whole.bytes());
        return whole.status == cairnly::WholeFile::Status::Missing ? "<missing>" : "<unreadable>";
    }
    void write(const std::filesystem::path& name, const std::string& bytes) const
    {
        if (cairnly::writeFileAtomically(folder / name, bytes))
            throw std::runtime_error("cannot write a scratch file");
    }

private:
    std::filesystem::path folder;
};
