#include "ui/TickBox.h"

namespace voltrail {

TickBox::TickBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    setTristate(true);
    setCheckState(Qt::Unchecked);
}

void TickBox::setValue(std::int16_t value)
{
    if (value == value_)
        return;
    value_ = value;
    setCheckState(value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked);
    emit valueChanged(value);
}

void TickBox::nextCheckState()
{
    setValue(value_ == 1 ? 0 : 1);
}

} // namespace voltrail
