#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"

namespace voltrail {

ZT_VOLTRAIL_AUTOTIMER_WINDOW::ZT_VOLTRAIL_AUTOTIMER_WINDOW(Services& services, QWidget* owner)
    : Form(services, owner, "ZT_VOLTRAIL_AUTOTIMER_WINDOW", QStringLiteral("ZT-VOLTRAIL - AUTOTIMER"),
           "AUTOTIMER", {1000, 1000, 5985, 4185})
{
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::Form_Load()
{
    RestorePlacement();
}

} // namespace voltrail
