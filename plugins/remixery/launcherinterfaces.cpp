#include "launcherinterfaces.h"

LauncherInterfaces& LauncherInterfaces::current()
{
    static LauncherInterfaces interfaces;
    return interfaces;
}
