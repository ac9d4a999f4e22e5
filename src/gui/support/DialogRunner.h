#pragma once

class QDialog;

// Runs a modal dialog. The program executes it; tests replace the runner to fill it and press a button
// without a real modal loop.
class DialogRunner
{
public:
    virtual ~DialogRunner() = default;
    // QDialog::Accepted or QDialog::Rejected.
    virtual int run(QDialog& dialog) = 0;
};
