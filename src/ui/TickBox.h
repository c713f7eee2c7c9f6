#pragma once

#include <QCheckBox>
#include <cstdint>

namespace voltrail {

// A check box that holds a 16-bit value: 0 clear, 1 ticked, anything else
// (only from a hand-edited store) shown partially checked and not ticked.
// valueChanged is emitted only when the value really changes, whether by a
// click or from code, so a handler connected to it runs for both, nested and
// to completion, and setting the value it already has runs nothing.
//
// The mark can also be changed behind the value's back (setChecked, toggle,
// setCheckState, a screen reader's toggle action): every such change is
// taken as the value it shows, so value, mark and handler never drift apart.
//
// A caption too wide for one line wraps onto a second within the box's
// height, as dialog tick boxes do, instead of being cut.
class TickBox : public QCheckBox {
    Q_OBJECT
public:
    TickBox(const QString& caption, QWidget* parent);

    std::int16_t value() const { return value_; }
    bool isTicked() const { return value_ == 1; }
    void setValue(std::int16_t value);

    // Whether the caption is drawn on more than one line at the present width.
    bool wrapsCaption() const;
    // Where the caption is drawn, in the box's coordinates.
    QRect captionRect() const;

signals:
    void valueChanged(std::int16_t value);

protected:
    // A click: 1 becomes 0, anything else becomes 1.
    void nextCheckState() override;
    bool hitButton(const QPoint& pos) const override;
    void paintEvent(QPaintEvent* event) override;

private:
    void FollowMark();
    QRect captionArea() const;
    int captionFlags() const;

    std::int16_t value_ = 0;
};

} // namespace voltrail
