#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

namespace cairnly {

// The opened registry key of the earlier version; the destructor closes it.
class LegacyKey
{
public:
    virtual ~LegacyKey() = default;

    // The value's bytes when it exists and holds at most maxSize bytes; empty otherwise. Nothing is ever
    // read past maxSize.
    virtual std::optional<std::vector<uint8_t>> read(std::string_view name, std::size_t maxSize) const = 0;
};

// HKEY_LOCAL_MACHINE\Software\Dravik\Cairnly, only ever read: the settings import carries its values into
// a new settings file once.
class LegacyRegistry
{
public:
    virtual ~LegacyRegistry() = default;

    // The opened key, or null when it cannot be opened.
    virtual std::unique_ptr<LegacyKey> open() const = 0;
};

// The system's registry under Windows; elsewhere there is none and the key never opens.
class SystemLegacyRegistry final : public LegacyRegistry
{
public:
    std::unique_ptr<LegacyKey> open() const override;
};

} // namespace cairnly
