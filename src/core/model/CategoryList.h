#pragma once

#include "core/model/Message.h"

#include <string>
#include <vector>

namespace cairnly {

// The category list as the categories dialog edits it: names in the order they were loaded or added,
// shown in box order. Names are compared exactly, so "Tent" and "tent" are two categories. Texts are
// Windows-1252.
class CategoryList
{
public:
    enum class Rename
    {
        Done,
        Ignored,    // an empty new name
        NameExists, // the new name is listed already, the old one included
    };

    explicit CategoryList(std::vector<std::string> names) : list(std::move(names)) {}

    const std::vector<std::string>& names() const { return list; }
    // Alphabetical without regard to case, as the dialog's box shows them.
    std::vector<std::string> inBoxOrder() const;
    bool contains(const std::string& name) const;

    // Appends the name; false, changing nothing, for an empty name or one listed already. An empty name
    // would end the data file's categories.
    bool add(const std::string& name);
    void remove(const std::string& name);
    // Takes the old name out and appends the new one.
    Rename rename(const std::string& oldName, const std::string& newName);

private:
    std::vector<std::string> list;
};

// The questions asked before a category that items use is deleted or renamed, and the answer to a rename
// onto a listed name.
Message deleteCategoryQuestion(const std::string& name);
Message renameCategoryQuestion(const std::string& name);
Message categoryExists(const std::string& oldName);
// The prompt of the rename's input dialog.
std::string renameCategoryPrompt(const std::string& oldName);

} // namespace cairnly
