#include "ui/TickBox.h"

#include "ui/TickBoxAccessible.h"

#include <QPainter>
#include <QStyleOptionButton>
#include <QStylePainter>

namespace voltrail {

namespace {

Qt::CheckState MarkFor(std::int16_t value)
{
    return value == 0 ? Qt::Unchecked : value == 1 ? Qt::Checked : Qt::PartiallyChecked;
}

} // namespace

TickBox::TickBox(const QString& caption, QWidget* parent) : QCheckBox(caption, parent)
{
    TickBoxAccessible::Register();
    setTristate(true);
    setCheckState(Qt::Unchecked);
    // Emitted for every change of the mark, whichever call made it.
    connect(this, &QCheckBox::stateChanged, this, &TickBox::FollowMark);
}

void TickBox::setValue(std::int16_t value)
{
    if (value == value_)
        return;
    // The value first: the mark's change below then finds the two in step.
    value_ = value;
    setCheckState(MarkFor(value));
    emit valueChanged(value);
}

void TickBox::nextCheckState()
{
    setValue(value_ == 1 ? 0 : 1);
}

void TickBox::FollowMark()
{
    const Qt::CheckState shown = checkState();
    if (shown == MarkFor(value_))
        return;
    // Only a stored value can be neither 0 nor 1: a partial mark set any
    // other way is put back to what the value shows.
    if (shown == Qt::PartiallyChecked) {
        setCheckState(MarkFor(value_));
        return;
    }
    setValue(shown == Qt::Checked ? 1 : 0);
}

QRect TickBox::captionArea() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->subElementRect(QStyle::SE_CheckBoxContents, &option, this);
}

int TickBox::captionFlags() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool underline = style()->styleHint(QStyle::SH_UnderlineShortcut, &option, this);
    return int(QStyle::visualAlignment(layoutDirection(), Qt::AlignLeft | Qt::AlignVCenter)) |
           (underline ? Qt::TextShowMnemonic : Qt::TextHideMnemonic);
}

bool TickBox::wrapsCaption() const
{
    const QRect area = captionArea();
    return fontMetrics().boundingRect(area, captionFlags(), text()).width() > area.width();
}

QRect TickBox::captionRect() const
{
    const QRect area = captionArea();
    const int flags = captionFlags() | (wrapsCaption() ? int(Qt::TextWordWrap) : 0);
    return fontMetrics().boundingRect(area, flags, text());
}

bool TickBox::hitButton(const QPoint& pos) const
{
    // The second line of a wrapped caption is part of the box, too.
    return QCheckBox::hitButton(pos) || (wrapsCaption() && captionRect().contains(pos));
}

void TickBox::paintEvent(QPaintEvent* event)
{
    if (!wrapsCaption()) {
        QCheckBox::paintEvent(event);
        return;
    }
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const bool focused = option.state & QStyle::State_HasFocus;
    // The style draws the mark alone; the caption and its focus frame follow,
    // wrapped.
    option.text.clear();
    option.state &= ~QStyle::State_HasFocus;
    painter.drawControl(QStyle::CE_CheckBox, option);
    style()->drawItemText(&painter, captionArea(), captionFlags() | Qt::TextWordWrap, palette(), isEnabled(),
                          text(), QPalette::WindowText);
    if (focused) {
        QStyleOptionFocusRect frame;
        frame.QStyleOption::operator=(option);
        frame.rect = captionRect().adjusted(-1, 0, 1, 0).intersected(rect());
        painter.drawPrimitive(QStyle::PE_FrameFocusRect, frame);
    }
}

} // namespace voltrail
