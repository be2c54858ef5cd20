#pragma once

#include <QObject>

// The side-bar plug-in. The Remixery plug-in only fetches this interface; no operation of
// it is called in this client.
class ISideBar
{
protected:
    ~ISideBar() = default;
};

#define ISideBar_iid "HXL.ISideBar/1.0"
Q_DECLARE_INTERFACE(ISideBar, ISideBar_iid)
