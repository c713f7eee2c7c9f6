#include "ui/TextBoxEnterKeys.h"

#include <QAbstractButton>
#include <QAbstractSpinBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>
#include <QWidget>

namespace voltrail {

TextBoxEnterKeys::TextBoxEnterKeys(QWidget* window) : QObject(window), window_(window)
{
    // A text box passes Enter on to its window, where the dialog would press
    // its default button; the filter sees it there first.
    window->installEventFilter(this);
}

void TextBoxEnterKeys::PressOnEnter(QWidget* box, QAbstractButton* button)
{
    buttons_.insert(box, button);
}

bool TextBoxEnterKeys::IsTextBox(const QWidget* widget)
{
    return qobject_cast<const QLineEdit*>(widget) || qobject_cast<const QPlainTextEdit*>(widget) ||
           qobject_cast<const QTextEdit*>(widget) || qobject_cast<const QAbstractSpinBox*>(widget);
}

bool TextBoxEnterKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != window_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter)
        return false;
    const QWidget* focus = window_->focusWidget();
    if (!IsTextBox(focus))
        return false;
    const QPointer<QAbstractButton> button = buttons_.value(focus);
    const bool plain = key->modifiers() == Qt::NoModifier ||
                       (key->modifiers() == Qt::KeypadModifier && key->key() == Qt::Key_Enter);
    if (plain && button && button->isEnabled() && button->isVisible())
        button->click();
    return true;
}

} // namespace voltrail
