#pragma once

#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"

#include <QList>
#include <QMetaType>
#include <QPair>
#include <functional>
#include <memory>
#include <type_traits>

namespace voltrail::test {

// Builds and loads one secondary window, owned by the bar (not yet shown).
using WindowOpener = std::function<std::unique_ptr<Form>(Services&, ZT_VOLTRAIL_MAIN&)>;

template <typename> inline constexpr bool kNoKnownConstructor = false;

// Whichever of the usual constructor shapes a window has is the one used.
template <typename Window> std::unique_ptr<Window> Construct(Services& services, ZT_VOLTRAIL_MAIN& bar)
{
    if constexpr (std::is_constructible_v<Window, Services&, ZT_VOLTRAIL_MAIN&, QWidget*>)
        return std::make_unique<Window>(services, bar, &bar);
    else if constexpr (std::is_constructible_v<Window, Services&, ZT_VOLTRAIL_MAIN&>)
        return std::make_unique<Window>(services, bar);
    else if constexpr (std::is_constructible_v<Window, Services&, QWidget*>)
        return std::make_unique<Window>(services, &bar);
    else
        static_assert(kNoKnownConstructor<Window>, "add this window's constructor shape here");
}

template <typename Window> WindowOpener Opener()
{
    return [](Services& services, ZT_VOLTRAIL_MAIN& bar) -> std::unique_ptr<Form> {
        auto window = Construct<Window>(services, bar);
        window->Load();
        return window;
    };
}

// Every secondary window, by its name.
inline QList<QPair<const char*, WindowOpener>> EverySecondaryWindow()
{
    return {
        {"ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW", Opener<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>()},
        {"ZT_VOLTRAIL_RUN_OPTION_WINDOW", Opener<ZT_VOLTRAIL_RUN_OPTION_WINDOW>()},
        {"ZT_VOLTRAIL_ABOUT", Opener<ZT_VOLTRAIL_ABOUT>()},
        {"ZT_VOLTRAIL_AUTOTIMER_WINDOW", Opener<ZT_VOLTRAIL_AUTOTIMER_WINDOW>()},
        {"ZT_VOLTRAIL_SGUI_SIMPLE", Opener<ZT_VOLTRAIL_SGUI_SIMPLE>()},
        {"ZT_VOLTRAIL_SGUI_ADVANCED", Opener<ZT_VOLTRAIL_SGUI_ADVANCED>()},
    };
}

} // namespace voltrail::test

Q_DECLARE_METATYPE(voltrail::test::WindowOpener)
