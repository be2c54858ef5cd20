#pragma once

#include "imagebutton.h"

class ToolTipHelper;

// The title bar's image button; its tool tip shows in the program's own tip window.
class HxlPushButton : public ImageButton
{
    Q_OBJECT

public:
    explicit HxlPushButton(QWidget* parent = nullptr);

    ToolTipHelper* toolTipHelper() const { return m_toolTipHelper; }

private:
    ToolTipHelper* m_toolTipHelper;
};
