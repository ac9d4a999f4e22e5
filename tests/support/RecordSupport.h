#pragma once

#include "core/model/GearRecord.h"

#include <memory>

// An item whose unit weight and weight both hold the given text.
inline std::unique_ptr<cairnly::GearRecord> itemRecord(const char* category, const char* item, const char* weight)
{
    auto r = std::make_unique<cairnly::GearRecord>();
    cairnly::setFieldText(r->category, category);
    cairnly::setFieldText(r->item, item);
    cairnly::setFieldText(r->unitWeight, weight);
    cairnly::setFieldText(r->weight, weight);
    return r;
}
