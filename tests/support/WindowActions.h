#pragma once

#include "ui/TickBox.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QAccessibleActionInterface>
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

// What a screen reader or GUI automation does to a control: its accessible
// action, found through the accessibility interface.
inline void AccessibleAction(QWidget* control, const QString& action)
{
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    QVERIFY2(accessible && accessible->actionInterface(), qPrintable(control->objectName()));
    accessible->actionInterface()->doAction(action);
}

inline void AccessibleToggle(QWidget* box)
{
    AccessibleAction(box, QAccessibleActionInterface::toggleAction());
}

// A button's press action shows it down for a moment, then clicks it.
inline void AccessiblePress(QAbstractButton* button)
{
    AccessibleAction(button, QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(!button->isDown());
}

} // namespace voltrail::test
