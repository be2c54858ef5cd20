#pragma once

// Plug-ins are built separately and call each other through virtual tables, so every
// operation must keep its position. A slot whose operation this client never calls is
// kept with a named placeholder that does nothing.
#define VD_RESERVED_SLOT(n) \
    virtual void reservedSlot##n() {}
