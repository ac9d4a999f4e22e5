#pragma once

#include <QDialog>

#include <string>
#include <vector>

class QListWidget;

// "Delete User Columns": any number of the user columns, chosen by their headings.
class DeleteColumnsDialog : public QDialog
{
    Q_OBJECT
public:
    // The headings in column order (Windows-1252) and the chosen user columns, ascending.
    struct Fields
    {
        std::vector<std::string> headings;
        std::vector<int> selected;
    };

    explicit DeleteColumnsDialog(const std::vector<std::string>& headings, QWidget* parent = nullptr);

    Fields fields() const;

private:
    std::vector<std::string> headings;
    QListWidget* columnList = nullptr;
};
