#pragma once

#include "core/settings/Settings.h"

#include <QDialog>

#include <string>
#include <vector>

class AlignmentBox;
class QLineEdit;
class QListWidget;

// "Modify Custom Column": a new heading and alignment for one user column. The fields show the chosen
// column's own, so OK without touching them leaves it as it was.
class ModifyColumnDialog : public QDialog
{
    Q_OBJECT
public:
    // The chosen user column with its heading (Windows-1252, at most 40 characters) and alignment.
    struct Fields
    {
        int column = 0;
        std::string heading;
        cairnly::ColumnFormat format = cairnly::FormatLeft;
    };

    // The user columns in column order; the first is chosen.
    explicit ModifyColumnDialog(const std::vector<cairnly::UserColumn>& columns, QWidget* parent = nullptr);

    Fields fields() const;

private:
    void showChosenColumn();

    std::vector<cairnly::UserColumn> columns;
    QListWidget* columnList = nullptr;
    QLineEdit* headingEdit = nullptr;
    AlignmentBox* alignment = nullptr;
};
