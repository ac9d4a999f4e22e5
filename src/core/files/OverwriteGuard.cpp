#include "core/files/OverwriteGuard.h"

#include "core/files/AtomicFile.h"

#include <algorithm>

namespace fs = std::filesystem;

namespace cairnly {
namespace {

bool isThere(const fs::path& path)
{
    std::error_code ignored;
    return fs::exists(fs::symlink_status(path, ignored));
}

std::string rowsText(std::size_t rows)
{
    return std::to_string(rows) + (rows == 1 ? " row" : " rows");
}

} // namespace

fs::path freeBackupName(const fs::path& file)
{
    fs::path name = file;
    name += ".bak";
    for (int n = 1; isThere(name); ++n) {
        name = file;
        name += ".bak" + std::to_string(n);
    }
    return name;
}

OverwriteGuard::Guarded* OverwriteGuard::find(const fs::path& file)
{
    // A file that is gone needs no guarding any more.
    std::erase_if(files, [](const Guarded& guarded) { return !isThere(guarded.file); });
    const auto found = std::find_if(files.begin(), files.end(), [&file](const Guarded& guarded) {
        std::error_code ignored;
        return fs::equivalent(guarded.file, file, ignored);
    });
    return found == files.end() ? nullptr : &*found;
}

void OverwriteGuard::neverOverwrite(const fs::path& file, std::string readError)
{
    if (Guarded* guarded = find(file)) {
        guarded->readError = std::move(readError);
        return;
    }
    files.push_back({file, std::move(readError), {}});
}

Message OverwriteGuard::keepBeforeOverwriting(const fs::path& file, std::optional<std::size_t> rowsRead)
{
    Guarded* guarded = find(file);
    if (!guarded) {
        files.push_back({file, {}, freeBackupName(file)});
        guarded = &files.back();
    } else if (guarded->keepAs.empty()) {
        guarded->keepAs = freeBackupName(file);
    }
    guarded->readError.clear(); // it could be read now
    const std::string where = pathText(guarded->keepAs);
    if (!rowsRead)
        return notice("The file " + pathText(file) + " will be kept as " + where +
                      " before the list is saved over it.");
    return notice("The file " + pathText(file) + " is damaged: " + rowsText(*rowsRead) +
                  " could be read, and the whole file will be kept as " + where + " before the list is saved over it.");
}

void OverwriteGuard::readWhole(const fs::path& file)
{
    if (Guarded* guarded = find(file))
        files.erase(files.begin() + (guarded - files.data()));
}

bool OverwriteGuard::beforeWrite(const fs::path& target, std::vector<Message>& messages)
{
    Guarded* guarded = find(target);
    if (!guarded)
        return true;
    if (!guarded->readError.empty()) {
        messages.push_back(writeError(guarded->readError));
        return false;
    }
    const WholeFile whole = readWholeFile(guarded->file);
    if (!whole.read()) {
        messages.push_back(writeError(whole.error));
        return false;
    }
    // The name was free when the user was told it; should it be taken now, the next free one serves.
    const fs::path told = guarded->keepAs;
    if (isThere(guarded->keepAs))
        guarded->keepAs = freeBackupName(guarded->file);
    if (const std::optional<std::string> error = writeFileAtomically(guarded->keepAs, whole.bytes())) {
        messages.push_back(writeError("The file " + pathText(guarded->file) + " could not be kept as " +
                                      pathText(guarded->keepAs) + ": " + *error));
        return false;
    }
    if (guarded->keepAs != told)
        messages.push_back(notice("The file " + pathText(guarded->file) + " is kept as " + pathText(guarded->keepAs) +
                                  ", since " + pathText(told) + " has been taken."));
    files.erase(files.begin() + (guarded - files.data()));
    return true;
}

} // namespace cairnly
