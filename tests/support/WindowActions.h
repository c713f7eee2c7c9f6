#pragma once

#include "ui/TickBox.h"

#include <QWidget>
#include <QWindow>
#include <QtTest>

namespace voltrail::test {

// A click on the tick box's indicator, where a person would click.
inline void ClickTick(TickBox* box)
{
    QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(6, box->height() / 2));
}

// The frame's close box: the window system asks the window to close.
inline void PressCloseBox(QWidget* window)
{
    window->windowHandle()->close();
}

// A key pressed in the window: it reaches the control that has the focus.
inline void PressKey(QWidget* window, Qt::Key key)
{
    QWidget* target = window->focusWidget();
    QTest::keyClick(target ? target : window, key);
}

} // namespace voltrail::test
