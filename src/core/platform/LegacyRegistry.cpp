#include "core/platform/LegacyRegistry.h"

#ifdef _WIN32
#include <string>
#include <windows.h>
#endif

namespace cairnly {

#ifdef _WIN32

namespace {

class SystemLegacyKey final : public LegacyKey
{
public:
    explicit SystemLegacyKey(HKEY key) : key(key) {}
    ~SystemLegacyKey() override { RegCloseKey(key); }
    SystemLegacyKey(const SystemLegacyKey&) = delete;
    SystemLegacyKey& operator=(const SystemLegacyKey&) = delete;

    std::optional<std::vector<uint8_t>> read(std::string_view name, std::size_t maxSize) const override
    {
        const std::string valueName(name);
        DWORD size = 0;
        // The size first, so the buffer always holds the whole value.
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS ||
            size > maxSize)
            return std::nullopt;
        std::vector<uint8_t> bytes(size);
        DWORD got = size;
        if (RegQueryValueExA(key, valueName.c_str(), nullptr, nullptr, bytes.empty() ? nullptr : bytes.data(), &got) !=
                ERROR_SUCCESS ||
            got > size)
            return std::nullopt;
        bytes.resize(got);
        return bytes;
    }

private:
    HKEY key;
};

} // namespace

std::unique_ptr<LegacyKey> SystemLegacyRegistry::open() const
{
    HKEY key = nullptr;
    // The earlier version was a 32-bit program: on 64-bit Windows its key lies in the 32-bit view.
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Dravik\\Cairnly", 0, KEY_READ | KEY_WOW64_32KEY, &key) !=
        ERROR_SUCCESS)
        return nullptr;
    return std::make_unique<SystemLegacyKey>(key);
}

#else

std::unique_ptr<LegacyKey> SystemLegacyRegistry::open() const
{
    return nullptr;
}

#endif

} // namespace cairnly
