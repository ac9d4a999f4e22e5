#pragma once

#include "core/model/GearRecord.h"
#include "core/model/Message.h"
#include "core/text/Numbers.h"

#include <string>

// The messages and the weight check that the list's operations share across their files.
namespace cairnly::listmessages {

inline Message oops(const char* text)
{
    return {text, "Oops!", MessageIcon::Exclamation, MessageButtons::Ok};
}

inline Message important(std::string text)
{
    return {std::move(text), "Important!", MessageIcon::Exclamation, MessageButtons::Ok};
}

inline Message weightTooLarge()
{
    return oops("Weight too large. Please enter a smaller weight or quantity.");
}

inline Message groupWeightTooLarge()
{
    return oops("The group's weight would be too large.");
}

// Whether a weight prints within the weight fields' 9 characters.
inline bool fitsWeight(float weight)
{
    return formatFixed(static_cast<double>(weight), 2).size() <= weightTextCapacity;
}

} // namespace cairnly::listmessages
