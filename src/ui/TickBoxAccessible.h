#pragma once

#include <QAccessibleWidget>

namespace voltrail {

class TickBox;

// What screen readers and GUI automation see of a tick box. Their toggle
// (and press) action is a click, exactly as a person's, so the box's value
// rule and its handler run; Qt's own check box interface toggles the mark
// directly.
class TickBoxAccessible : public QAccessibleWidget {
public:
    explicit TickBoxAccessible(TickBox* box);

    // Makes Qt use this interface for every tick box; safe to call often.
    static void Register();

    QAccessible::State state() const override;
    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;
    QStringList keyBindingsForAction(const QString& actionName) const override;

private:
    TickBox* box() const;
};

} // namespace voltrail
