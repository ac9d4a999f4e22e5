#include "gui/support/Prompts.h"

void Prompts::showAll(QWidget* parent, const std::vector<cairnly::Message>& messages)
{
    for (const cairnly::Message& message : messages)
        show(parent, message);
}

bool Prompts::refused(QWidget* parent, const std::optional<cairnly::Message>& refusal)
{
    if (refusal)
        show(parent, *refusal);
    return refusal.has_value();
}
