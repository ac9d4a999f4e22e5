#pragma once

#include <QLabel>

// A link drawn as plain text, bold, underlined and blue, with the pointing hand over it; a click with the
// left button reports it.
class LinkLabel : public QLabel
{
    Q_OBJECT
public:
    explicit LinkLabel(const QString& text, QWidget* parent = nullptr);

signals:
    void clicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
};
