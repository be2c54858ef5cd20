#include "tooltipdlg.h"

ToolTipDlg::ToolTipDlg(QWidget* parent)
    : QDialog(parent)
{
}
