#pragma once

#include <QCheckBox>
#include <cstdint>

namespace voltrail {

// A check box that holds a 16-bit value: 0 clear, 1 ticked, anything else
// (only from a hand-edited store) shown partially checked and not ticked.
// valueChanged is emitted only when the value really changes, whether by a
// click or from code, so a handler connected to it runs for both, nested and
// to completion, and setting the value it already has runs nothing.
class TickBox : public QCheckBox {
    Q_OBJECT
public:
    TickBox(const QString& caption, QWidget* parent);

    std::int16_t value() const { return value_; }
    bool isTicked() const { return value_ == 1; }
    void setValue(std::int16_t value);

signals:
    void valueChanged(std::int16_t value);

protected:
    // A click: 1 becomes 0, anything else becomes 1.
    void nextCheckState() override;

private:
    std::int16_t value_ = 0;
};

} // namespace voltrail
