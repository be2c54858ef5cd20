#pragma once

#include <QObject>
#include <QPointer>

#include "tooltipdlg.h"

class ToolTipDlg;
class QWidget;

// Shows a widget's tool tip in the program's own tip window, below the widget and centred
// on it, in place of Qt's tool tip; an inactive window gets its tip after 500 ms of hover.
class ToolTipHelper : public QObject
{
    Q_OBJECT

public:
    static constexpr int kInactiveDelayMs = 500;

    explicit ToolTipHelper(QObject* parent = nullptr);
    ~ToolTipHelper() override;

    void setWidget(QWidget* widget);
    bool showTip();
    ToolTipDlg* dialog() const { return m_dialog; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool m_hovering = false;
    bool m_shown = false;
    QPointer<ToolTipDlg> m_dialog;
    QPointer<QWidget> m_widget;
};
