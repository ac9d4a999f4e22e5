#pragma once

#include "core/platform/LegacyRegistry.h"
#include "core/text/Cp1252.h"

#include <cstdint>
#include <cstring>
#include <map>
#include <string>
#include <vector>

// A legacy registry key holding any set of values, for the settings import.
class FakeLegacyRegistry : public cairnly::LegacyRegistry
{
public:
    // How a real registry would store a value; the import never looks.
    enum class Kind
    {
        Binary,
        Dword,
        String
    };

    bool exists = true;
    std::map<std::string, std::vector<uint8_t>> values;
    std::map<std::string, Kind> kinds; // Binary when not listed
    mutable int opens = 0;
    mutable int openKeys = 0;

    void setDword(const std::string& name, uint32_t value)
    {
        values[name] = {static_cast<uint8_t>(value), static_cast<uint8_t>(value >> 8),
                        static_cast<uint8_t>(value >> 16), static_cast<uint8_t>(value >> 24)};
        kinds[name] = Kind::Dword;
    }
    // A string value as the registry holds it, with its terminating NUL.
    void setString(const std::string& name, const std::string& text)
    {
        values[name] = std::vector<uint8_t>(text.begin(), text.end());
        values[name].push_back(0);
        kinds[name] = Kind::String;
    }

    std::unique_ptr<cairnly::LegacyKey> open() const override
    {
        ++opens;
        if (!exists)
            return nullptr;
        return std::make_unique<Key>(*this);
    }

private:
    class Key final : public cairnly::LegacyKey
    {
    public:
        explicit Key(const FakeLegacyRegistry& registry) : registry(registry) { ++registry.openKeys; }
        ~Key() override { --registry.openKeys; }

        std::optional<std::vector<uint8_t>> read(std::string_view name, std::size_t maxSize) const override
        {
            for (const auto& [valueName, bytes] : registry.values) {
                if (cairnly::equalsNoCase(valueName, name))
                    return bytes.size() <= maxSize ? std::optional(bytes) : std::nullopt;
            }
            return std::nullopt;
        }

    private:
        const FakeLegacyRegistry& registry;
    };
};
