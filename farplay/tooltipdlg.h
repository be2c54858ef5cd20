#pragma once

#include <QDialog>

class ToolTip;

// The window a tip is shown in; it only holds its ToolTip.
class ToolTipDlg : public QDialog
{
    Q_OBJECT

public:
    explicit ToolTipDlg(QWidget* parent = nullptr);

    ToolTip* toolTip() const { return m_toolTip; }
    void setToolTip(ToolTip* tip) { m_toolTip = tip; }

private:
    ToolTip* m_toolTip = nullptr;
};
