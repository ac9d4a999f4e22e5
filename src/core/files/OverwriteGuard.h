#pragma once

#include "core/model/Message.h"

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace cairnly {

// The data files the list was read from only in part or not at all, which a write must not simply
// replace, or what they hold would be lost: a file that could not be read is never written over, and one
// that was refused or damaged is first copied whole to a free name beside it.
class OverwriteGuard
{
public:
    // The file is there but could not be read: writes over it are refused with the system's text.
    void neverOverwrite(const std::filesystem::path& file, std::string readError);
    // The file was refused (no rows read) or damaged (rowsRead read before the damage): its bytes are to
    // be kept under a free name beside it. Returns the message that says where.
    Message keepBeforeOverwriting(const std::filesystem::path& file, std::optional<std::size_t> rowsRead);
    // The file was read whole: the list holds all of it, so it needs no guarding any more.
    void readWhole(const std::filesystem::path& file);
    // Before the list is written to the target: false when it must not be; a kept file is copied first
    // (once). What the user must be told is added to messages.
    bool beforeWrite(const std::filesystem::path& target, std::vector<Message>& messages);

private:
    struct Guarded
    {
        std::filesystem::path file;
        std::string readError;        // set for a file that could not be read
        std::filesystem::path keepAs; // set for a file to be copied first
    };

    Guarded* find(const std::filesystem::path& file);

    std::vector<Guarded> files;
};

// The first of NAME.bak, NAME.bak1, NAME.bak2, ... beside the file that does not exist.
std::filesystem::path freeBackupName(const std::filesystem::path& file);

} // namespace cairnly
