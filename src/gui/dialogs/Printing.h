#pragma once

#include "core/model/Message.h"

#include <optional>

class DialogRunner;
class QWidget;

namespace cairnly {
class GearDocument;
}

// The Print command: the print dialog, then the pages, counted in a progress dialog whose Cancel stops the
// job. A PDF file chosen in the print dialog is made in memory and written whole, so a cancelled or failed
// job leaves no half-written file. Returns the message to show when the file could not be written.
std::optional<cairnly::Message> printGearList(const cairnly::GearDocument& document, DialogRunner& runner,
                                              QWidget* parent);

// The print preview. The pages are laid out afresh for every render, so a change of page size or
// orientation in the preview lays them out again.
void previewGearList(const cairnly::GearDocument& document, DialogRunner& runner, QWidget* parent);
