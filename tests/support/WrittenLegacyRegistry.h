#pragma once

#ifdef _WIN32

#include "FakeLegacyRegistry.h"

#include <optional>
#include <string>

// The fake's values written into the system's registry where the earlier version kept them (the 32-bit
// view of the local-machine hive) at every open, and read back through the program's own
// SystemLegacyRegistry. The key is removed afterwards.
class WrittenLegacyRegistry final : public FakeLegacyRegistry
{
public:
    // Why a test may not write the key, or nothing when it may. Writing under the local-machine hive needs
    // administrator rights (Wine grants them), and a key the tests did not make is never touched.
    static std::optional<std::string> whyNotWritable();

    WrittenLegacyRegistry() = default;
    ~WrittenLegacyRegistry() override;
    WrittenLegacyRegistry(const WrittenLegacyRegistry&) = delete;
    WrittenLegacyRegistry& operator=(const WrittenLegacyRegistry&) = delete;

    std::unique_ptr<cairnly::LegacyKey> open() const override;
};

#endif
