#pragma once

#include "support/MemorySettingsBackend.h"
#include "support/RecordingLauncher.h"
#include "ui/Services.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QStringList>
#include <QtTest>
#include <memory>

namespace voltrail::test {

// (Re)opens a window the way its opener does; the old one is gone first, so
// its unload runs before the new one loads.
template <typename Window> void OpenWindow(std::unique_ptr<Window>& w, Services& services)
{
    w.reset();
    w = std::make_unique<Window>(services, nullptr);
    w->Load();
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
}

inline void Click(QAbstractButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

// Replaces a box's text by typing, as a person would.
inline void Type(QLineEdit* box, const QString& text)
{
    box->clear();
    QTest::keyClicks(box, text);
}

// Closes a window as a person would: "button" (its Close button), "closebox"
// (the frame's), "escape" pressed in a box, or "enter" on the focused Close
// button (Enter in a text box never closes a window).
inline void CloseBy(const QString& how, QWidget* window, QAbstractButton* closeButton, QWidget* box)
{
    if (how == QLatin1String("button")) {
        Click(closeButton);
    } else if (how == QLatin1String("closebox")) {
        window->close();
    } else if (how == QLatin1String("enter")) {
        closeButton->setFocus();
        QTest::keyClick(closeButton, Qt::Key_Return);
    } else {
        box->setFocus();
        QTest::keyClick(box, Qt::Key_Escape);
    }
}

// Rows for a close-path table: the Close button, Escape in a box and Enter on
// the focused Close button run its handler and then the unload, each writing
// the placement (KEY=VALUE); the close box only unloads.
inline void ClosePathRows(const QStringList& placement)
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QStringList>("writes");
    QTest::newRow("Close button") << "button" << placement + placement;
    QTest::newRow("Escape presses Close") << "escape" << placement + placement;
    QTest::newRow("Enter on Close presses it") << "enter" << placement + placement;
    QTest::newRow("close box unloads once") << "closebox" << placement;
}

// Every line started, in order; a line started any way but hidden is marked.
inline QStringList Launched(const RecordingLauncher& launcher)
{
    QStringList out;
    for (const auto& l : launcher.launched)
        out << QString::fromStdString(l.commandLine) + (l.style == kStyleHidden ? "" : " [SHOWN]");
    return out;
}

// Every key written, in order, as KEY=VALUE with the value it holds now.
inline QStringList WrittenValues(const MemorySettingsBackend& backend)
{
    QStringList out;
    for (const auto& key : backend.writes)
        out << QString::fromStdString(key + "=" + backend.values.at(key));
    return out;
}

} // namespace voltrail::test
