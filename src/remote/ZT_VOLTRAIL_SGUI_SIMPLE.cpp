#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"

namespace voltrail {

ZT_VOLTRAIL_SGUI_SIMPLE::ZT_VOLTRAIL_SGUI_SIMPLE(Services& services, QWidget* owner)
    : Form(services, owner, "ZT_VOLTRAIL_SGUI_SIMPLE", QStringLiteral("ZT-VOLTRAIL - SHUTDOWN GUI - SIMPLE"),
           "SGUI_SIM", {1000, 1000, 6450, 3225})
{
}

void ZT_VOLTRAIL_SGUI_SIMPLE::Form_Load()
{
    RestorePlacement();
}

} // namespace voltrail
