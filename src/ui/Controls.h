#pragma once

#include <QIcon>
#include <QString>
#include <initializer_list>
#include <string_view>

class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace voltrail {

class TickBox;

QString ToQString(std::string_view utf8);

// Places a control at a position given in twips inside its window.
template <typename W> W* PlaceTwips(W* control, int left, int top, int width, int height);
void SetGeometryTwips(QWidget* control, int left, int top, int width, int height);

// One of the program's own pictures (resources/icons/<name>.svg, drawn at
// build time).
QIcon Picture(const char* name);

// Controls are named exactly as the windows' control tables name them; the
// name is also what tests and automation look them up by.
QPushButton* MakeButton(QWidget* parent, const char* objectName, const QString& caption);
// A button that shows only a picture; people and screen readers know it by
// its tooltip or by the caption printed under it.
QPushButton* MakePictureButton(QWidget* parent, const char* objectName, const char* picture,
                               const QString& accessibleName, const QString& toolTip = {});
TickBox* MakeTickBox(QWidget* parent, const char* objectName, const QString& caption);
QLabel* MakeLabel(QWidget* parent, const char* objectName, const QString& caption);
QLineEdit* MakeTextBox(QWidget* parent, const char* objectName, const QString& text,
                       const QString& accessibleName = {});

// The bold green-on-black title strip, as labels or as read-only boxes.
QLabel* MakeTitleLabel(QWidget* parent, const char* objectName, const QString& text);
QLineEdit* MakeTitleTextBox(QWidget* parent, const char* objectName, const QString& text);

// The windows are laid out in twips for a small 8-point face.
void UseWindowFont(QWidget* window);

// Sets the tab order to the order of the list.
void SetTabOrder(std::initializer_list<QWidget*> chain);

// Makes a control exist without ever being seen or used.
void MakeInert(QWidget* control, bool disabled);

template <typename W> W* PlaceTwips(W* control, int left, int top, int width, int height)
{
    SetGeometryTwips(control, left, top, width, height);
    return control;
}

} // namespace voltrail
