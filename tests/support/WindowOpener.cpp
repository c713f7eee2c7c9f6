#include "support/WindowOpener.h"

#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"

namespace voltrail::test {

QStringList WindowNames()
{
    return {"bar", "settings", "run option", "confirm", "auto-timer", "simple", "console"};
}

std::unique_ptr<QWidget> LoadWindow(const QString& name, Services& services, ZT_VOLTRAIL_MAIN& bar)
{
    if (name == QLatin1String("bar")) {
        auto loaded = std::make_unique<ZT_VOLTRAIL_MAIN>(services);
        loaded->Form_Load();
        return loaded;
    }
    std::unique_ptr<Form> form;
    if (name == QLatin1String("settings"))
        form = std::make_unique<ZT_VOLTRAIL_ABOUT>(services, bar);
    else if (name == QLatin1String("run option"))
        form = std::make_unique<ZT_VOLTRAIL_RUN_OPTION_WINDOW>(services, bar);
    else if (name == QLatin1String("confirm"))
        form = std::make_unique<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>(services, bar, &bar);
    else if (name == QLatin1String("auto-timer"))
        form = std::make_unique<ZT_VOLTRAIL_AUTOTIMER_WINDOW>(services, &bar);
    else if (name == QLatin1String("simple"))
        form = std::make_unique<ZT_VOLTRAIL_SGUI_SIMPLE>(services, &bar);
    else if (name == QLatin1String("console"))
        form = std::make_unique<ZT_VOLTRAIL_SGUI_ADVANCED>(services, &bar);
    if (form)
        form->Load();
    return form;
}

} // namespace voltrail::test
