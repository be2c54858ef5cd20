#pragma once

#include <QWidget>

class QLabel;

// The tip itself: a translucent dark panel with the text.
class ToolTip : public QWidget
{
    Q_OBJECT

public:
    explicit ToolTip(QWidget* parent = nullptr);

    QLabel* label() const { return m_label; }

private:
    QLabel* m_label;
};
