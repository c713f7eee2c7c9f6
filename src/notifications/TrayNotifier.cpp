#include "notifications/TrayNotifier.h"

#include <QApplication>
#include <QWidget>

namespace voltrail {

namespace {

// At most `length` UTF-16 units, the last of them "…" when cut, never
// between the two halves of a pair.
QString Cut(const QString& text, int length)
{
    if (text.size() <= length)
        return text;
    int keep = length - 1;
    if (keep > 0 && text.at(keep - 1).isHighSurrogate())
        --keep;
    return text.left(keep) + QChar(0x2026);
}

// The program's own picture, as its windows show it.
QIcon ProgramIcon()
{
    if (!QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    for (const QWidget* window : QApplication::topLevelWidgets()) {
        if (!window->windowIcon().isNull())
            return window->windowIcon();
    }
    return {};
}

} // namespace

TrayNotifier::~TrayNotifier()
{
    delete icon_.data();
}

void TrayNotifier::Show(std::uint64_t, const Notification& notification)
{
    const QString summary = QString::fromStdString(notification.summary);
    if (!icon_) {
        icon_ = new QSystemTrayIcon(ProgramIcon());
        QObject::connect(icon_, &QSystemTrayIcon::activated, icon_, [this] { Dismiss(); });
        QObject::connect(icon_, &QSystemTrayIcon::messageClicked, icon_, [this] { Dismiss(); });
    }
    icon_->setToolTip(Cut(summary, kLongestTip));
    icon_->show();
    icon_->showMessage(Cut(summary, kLongestTitle),
                       Cut(QString::fromStdString(notification.body), kLongestText),
                       QSystemTrayIcon::Warning);
}

void TrayNotifier::Dismiss()
{
    if (!icon_)
        return;
    icon_->hide();
    icon_->deleteLater();
    icon_ = nullptr;
}

} // namespace voltrail
