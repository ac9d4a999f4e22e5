#pragma once

#include "core/settings/Settings.h"

#include <QDialog>

#include <string>

class AlignmentBox;
class QLineEdit;

// "Add New Column": the heading and alignment of a new user column.
class AddColumnDialog : public QDialog
{
    Q_OBJECT
public:
    // The heading (at most 40 characters, Windows-1252; empty is allowed) and the alignment.
    struct Fields
    {
        std::string heading;
        cairnly::ColumnFormat format = cairnly::FormatLeft;
    };

    explicit AddColumnDialog(QWidget* parent = nullptr);

    Fields fields() const;

private:
    QLineEdit* headingEdit = nullptr;
    AlignmentBox* alignment = nullptr;
};
