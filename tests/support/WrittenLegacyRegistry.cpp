#ifdef _WIN32

#include "WrittenLegacyRegistry.h"

#include <windows.h>

namespace {

constexpr const char* keyPath = "Software\\Dravik\\Cairnly";
constexpr const char* parentPath = "Software\\Dravik";
// Marks a key as the tests' own, so one left behind by a test that crashed is known again.
constexpr const char* markerName = "CairnlyTestKey";
constexpr REGSAM view = KEY_WOW64_32KEY;

void removeKey()
{
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, keyPath, view, 0);
    RegDeleteKeyExA(HKEY_LOCAL_MACHINE, parentPath, view, 0); // fails while it holds other keys
}

HKEY createKey()
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, 0, KEY_WRITE | view, nullptr, &key, nullptr) !=
        ERROR_SUCCESS)
        return nullptr;
    const DWORD one = 1;
    RegSetValueExA(key, markerName, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof one);
    return key;
}

// Counts the open keys, as the fake's own do.
class CountedKey final : public cairnly::LegacyKey
{
public:
    CountedKey(std::unique_ptr<cairnly::LegacyKey> key, int& openKeys) : key(std::move(key)), openKeys(openKeys)
    {
        ++openKeys;
    }
    ~CountedKey() override { --openKeys; }
    CountedKey(const CountedKey&) = delete;
    CountedKey& operator=(const CountedKey&) = delete;

    std::optional<std::vector<uint8_t>> read(std::string_view name, std::size_t maxSize) const override
    {
        return key->read(name, maxSize);
    }

private:
    std::unique_ptr<cairnly::LegacyKey> key;
    int& openKeys;
};

} // namespace

std::optional<std::string> WrittenLegacyRegistry::whyNotWritable()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_READ | view, &key) == ERROR_SUCCESS) {
        const bool ours = RegQueryValueExA(key, markerName, nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
        RegCloseKey(key);
        if (!ours)
            return "the key of an installed earlier version is there, and the tests leave it alone";
    }
    key = createKey();
    if (!key)
        return "writing under HKEY_LOCAL_MACHINE needs administrator rights";
    RegCloseKey(key);
    removeKey();
    return std::nullopt;
}

WrittenLegacyRegistry::~WrittenLegacyRegistry()
{
    removeKey();
}

std::unique_ptr<cairnly::LegacyKey> WrittenLegacyRegistry::open() const
{
    ++opens;
    removeKey();
    if (exists) {
        if (const HKEY key = createKey()) {
            for (const auto& [name, bytes] : values) {
                const auto kind = kinds.find(name);
                const DWORD type = kind == kinds.end()            ? REG_BINARY
                                   : kind->second == Kind::Dword  ? REG_DWORD
                                   : kind->second == Kind::String ? REG_SZ
                                                                  : REG_BINARY;
                RegSetValueExA(key, name.c_str(), 0, type, bytes.data(), static_cast<DWORD>(bytes.size()));
            }
            RegCloseKey(key);
        }
    }
    std::unique_ptr<cairnly::LegacyKey> key = cairnly::SystemLegacyRegistry().open();
    if (!key)
        return nullptr;
    return std::make_unique<CountedKey>(std::move(key), openKeys);
}

#endif
