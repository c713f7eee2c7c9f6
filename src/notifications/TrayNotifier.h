#pragma once

#include "notifications/DesktopNotifier.h"

#include <QPointer>
#include <QSystemTrayIcon>

namespace voltrail {

// Shows notifications in the notification area (Windows): the program's icon
// appears there with the first notification, each notification is a balloon
// (a toast on Windows 10 and 11) that replaces the one before, and the icon's
// tooltip keeps the latest summary. A click on the icon or the balloon takes
// the icon away, until the next notification. Nothing of the notification
// area is touched before the first one.
class TrayNotifier final : public DesktopNotifier {
public:
    // Windows cuts a balloon's title and text at these many UTF-16 units, and
    // the icon's tooltip at the last.
    static constexpr int kLongestTitle = 63;
    static constexpr int kLongestText = 255;
    static constexpr int kLongestTip = 127;

    TrayNotifier() = default;
    ~TrayNotifier() override;

    TrayNotifier(const TrayNotifier&) = delete;
    TrayNotifier& operator=(const TrayNotifier&) = delete;

    Form form() const override { return Form::Brief; }
    void Show(std::uint64_t group, const Notification& notification) override;
    // Balloons replace each other whatever their group.
    void Forget(std::uint64_t) override {}

private:
    void Dismiss();

    QPointer<QSystemTrayIcon> icon_;
};

} // namespace voltrail
