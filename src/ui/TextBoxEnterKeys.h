#pragma once

#include <QHash>
#include <QObject>
#include <QPointer>

class QAbstractButton;
class QWidget;

namespace voltrail {

// Enter typed into a text box never reaches the window's default button:
// that button closes the window and would throw the typed work away. A box
// may be given a button of its own that Enter presses instead; in every other
// box Enter does nothing. Enter on a focused button, and Escape, are left to
// the window.
class TextBoxEnterKeys : public QObject {
    Q_OBJECT
public:
    // Watches every key that reaches the window unhandled.
    explicit TextBoxEnterKeys(QWidget* window);

    // Enter in box presses button, when that is enabled.
    void PressOnEnter(QWidget* box, QAbstractButton* button);

    static bool IsTextBox(const QWidget* widget);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* window_;
    QHash<const QWidget*, QPointer<QAbstractButton>> buttons_;
};

} // namespace voltrail
