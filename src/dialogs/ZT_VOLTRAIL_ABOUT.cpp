#include "dialogs/ZT_VOLTRAIL_ABOUT.h"

#include "mainbar/ZT_VOLTRAIL_MAIN.h"

namespace voltrail {

ZT_VOLTRAIL_ABOUT::ZT_VOLTRAIL_ABOUT(Services& services, ZT_VOLTRAIL_MAIN& bar)
    : Form(services, &bar, "ZT_VOLTRAIL_ABOUT", QStringLiteral("ZT-VOLTRAIL - ABOUT"), "ABOUT",
           {1000, 1000, 6720, 3585}),
      bar_(bar)
{
}

void ZT_VOLTRAIL_ABOUT::Form_Load()
{
    RestorePlacement();
}

} // namespace voltrail
