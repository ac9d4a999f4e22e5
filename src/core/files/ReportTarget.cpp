#include "core/files/ReportTarget.h"

#include "core/files/DataFile.h"

#include <fstream>
#include <string_view>

namespace fs = std::filesystem;

namespace cairnly {
namespace {

// Every version's header begins with these words, the current one's and the older ones' alike.
constexpr std::string_view headerWords = dataFileHeader.substr(0, dataFileHeader.find('.'));

fs::path plainName(const fs::path& path)
{
    std::error_code ec;
    const fs::path absolute = fs::absolute(path, ec).lexically_normal();
    fs::path name = fs::weakly_canonical(absolute, ec);
    return ec ? absolute : name;
}

bool beginsAsADataFile(const fs::path& file)
{
    // Only a regular file: opening a pipe to look would wait for a writer.
    std::error_code ec;
    if (!fs::is_regular_file(file, ec))
        return false;
    std::ifstream in(file, std::ios::binary);
    std::string start(headerWords.size(), '\0');
    in.read(start.data(), static_cast<std::streamsize>(start.size()));
    return in.gcount() == static_cast<std::streamsize>(start.size()) && start == headerWords;
}

} // namespace

bool sameFile(const fs::path& a, const fs::path& b)
{
    std::error_code ec;
    if (fs::exists(a, ec) && fs::exists(b, ec))
        return fs::equivalent(a, b, ec);
    return plainName(a) == plainName(b);
}

Message neverWrittenOver(const fs::path& target)
{
    return writeError(pathText(target) +
                      " was not written: a list, its settings and the files being read are never written over.");
}

std::optional<Message> reportTargetRefusal(const fs::path& target, const std::vector<fs::path>& protectedFiles)
{
    for (const fs::path& file : protectedFiles) {
        if (!file.empty() && sameFile(target, file))
            return neverWrittenOver(target);
    }
    if (beginsAsADataFile(target))
        return neverWrittenOver(target);
    return std::nullopt;
}

} // namespace cairnly
