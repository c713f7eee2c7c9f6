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

// Leaves a window by a click on the named button ("button"), Enter, Escape
// or the frame's close box.
inline void Leave(QWidget* window, const QString& path, const char* button)
{
    if (path == QLatin1String("button"))
        QTest::mouseClick(window->findChild<QWidget*>(QLatin1String(button)), Qt::LeftButton);
    else if (path == QLatin1String("close box"))
        PressCloseBox(window);
    else
        PressKey(window, path == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
}

} // namespace voltrail::test
