#include "accountinfo.h"
#include "imygame.h"

#include <QMetaType>

namespace {

// Plug-ins connect their signals by signature text, so the types those signatures name
// must be known to the meta-type system under exactly these names before any connection.
void registerSharedMetaTypes()
{
    qRegisterMetaType<ACCOUNTINFO>("ACCOUNTINFO");
    qRegisterMetaType<IMyGame::GameType>("IMyGame::GameType");
}

} // namespace

Q_CONSTRUCTOR_FUNCTION(registerSharedMetaTypes)
