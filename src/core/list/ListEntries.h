#pragma once

#include "core/model/Message.h"

#include <string>
#include <variant>
#include <vector>

// What the list's commands take from the dialogs and give back to them. Texts are Windows-1252 except in
// Message, which is UTF-8.
namespace cairnly {

enum class RowKind
{
    Item,
    Group,
    Member // a member of an expanded group, shown under its group row
};

// The item editor's fields.
struct ItemEntry
{
    std::string category; // empty when no category is chosen
    std::string item;
    std::string unitWeight;
    std::string multiplier = "1";
    std::string notes;
    std::vector<std::string> columnTexts; // one slot per user column, in column order
};

// What the item editor opens with.
struct ItemEditorSetup
{
    std::vector<std::string> categories; // the box's order: alphabetical without regard to case
    ItemEntry entry;
    std::vector<std::string> columnHeadings;
};

// Where a new item comes from: the Add command's OK, or the editor's own "Add" button, which always
// gives the item a text list and does not sort the list again.
enum class AddSource
{
    Command,
    EditorButton
};

// The texts an import brings for a user column, found by its heading or added: one per imported record.
struct ImportedColumn
{
    std::string heading;
    std::vector<std::string> texts;
};

// A drop that needs the "Create Group" dialog, with the two descriptions its prompt names.
struct CreateGroupRequest
{
    std::string draggedItem;
    std::string targetItem;
};

using DropReply = std::variant<std::monostate, Message, CreateGroupRequest>;

// The rows the two hide modes leave out of the list, which cannot be changed while either is on. With
// both on nothing is shown.
struct HideModes
{
    bool nonSelected = false; // "Hide Non-Selected Items": only the ticked rows are shown
    bool selected = false;    // "Hide Selected": only the unticked rows are shown

    bool any() const { return nonSelected || selected; }
    bool operator==(const HideModes&) const = default;
};

} // namespace cairnly
