// Enter typed into a text box never closes a window and never starts
// anything: it would throw typed work away (up to 150 row values in the
// console). The one exception is the countdown box, where Enter presses OK.
// Every text box of every window a person can type Enter into is tried.
#include "support/BarTestBase.h"
#include "support/EveryWindow.h"
#include "support/WindowActions.h"
#include "support/WindowTestHelpers.h"
#include "ui/TickBox.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

// Sets a window up so that any button Enter could reach by mistake would
// act: a chosen action behind OK, ticked rows behind Run and Batch Run.
void Arm(QWidget* window)
{
    if (auto* w = qobject_cast<ZT_VOLTRAIL_AUTOTIMER_WINDOW*>(window)) {
        QTest::mouseClick(w->SHUTDOWN_BUTTON, Qt::LeftButton);
    } else if (auto* w = qobject_cast<ZT_VOLTRAIL_SGUI_SIMPLE*>(window)) {
        w->PC_NAME_SSS_TEXTBOX->setText(QStringLiteral("SRV01"));
        w->SHUTDOWN_SSS_TICKBOX->setValue(1);
    } else if (auto* w = qobject_cast<ZT_VOLTRAIL_SGUI_ADVANCED*>(window)) {
        for (int n = 1; n <= 30; ++n) {
            w->ROW(n).PC_NAME_TEXTBOX->setText(QStringLiteral("PC%1").arg(n));
            w->ROW(n).SHUTDOWN_TICKBOX->setValue(1);
            w->ROW(n).BATCH_RUN_TICKBOX->setValue(1);
        }
        w->ENABLE_BATCH_RUN_TICKBOX->setValue(1);
    }
}

bool TakesTyping(QWidget* w, QWidget* window)
{
    const bool textBox = qobject_cast<QLineEdit*>(w) || qobject_cast<QPlainTextEdit*>(w);
    return textBox && w->isVisibleTo(window) && w->isEnabled() && w->focusPolicy() != Qt::NoFocus;
}

QString TextOf(QWidget* box)
{
    if (auto* line = qobject_cast<QLineEdit*>(box))
        return line->text();
    return static_cast<QPlainTextEdit*>(box)->toPlainText();
}

} // namespace

class EnterInTextBoxTest : public BarTestBase {
    Q_OBJECT
private:
    std::unique_ptr<Form> window;

    void open(const WindowOpener& opener)
    {
        bar->ACTION_TEXTBOX->setText(QStringLiteral("SHUTDOWN PC")); // what the confirm window's OK would run
        window = opener(*services, *bar);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QApplication::setActiveWindow(window.get());
        Arm(window.get());
    }

private slots:
    void init()
    {
        ResetFixture();
        OpenBar();
    }
    void cleanup()
    {
        window.reset();
        bar.reset();
    }

    // One row per text box, found in the live window; what Enter does there
    // is fixed here: nothing, except in the countdown box.
    void enterInATextBox_data()
    {
        QTest::addColumn<WindowOpener>("opener");
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("status"); // the auto-timer's status line afterwards, if it has one
        QTest::addColumn<int>("key");
        ResetFixture();
        OpenBar();
        int rows = 0;
        for (const auto& [name, opener] : EverySecondaryWindow()) {
            open(opener);
            const bool autotimer = qobject_cast<ZT_VOLTRAIL_AUTOTIMER_WINDOW*>(window.get());
            for (QWidget* w : window->findChildren<QWidget*>()) {
                if (!TakesTyping(w, window.get()))
                    continue;
                const bool countdown = w->objectName() == QLatin1String("CLOSE_REQUEST_COUNTDOWN_TEXTBOX");
                const QString status = !autotimer  ? QString()
                                       : countdown ? QStringLiteral("COUNTDOWN STARTED")
                                                   : QStringLiteral("OPTION SELECTED");
                for (const int key : {int(Qt::Key_Return), int(Qt::Key_Enter)}) {
                    QTest::addRow("%s %s %s", name, qPrintable(w->objectName()),
                                  key == Qt::Key_Return ? "Return" : "keypad Enter")
                        << opener << w->objectName() << status << key;
                    ++rows;
                }
            }
        }
        window.reset();
        bar.reset();
        // Two keys for each of: 5 boxes in the confirm window, 2 in the run
        // option window, 1 in the settings window, 2 in the auto-timer, 3 in
        // the simple window and 32 in the console.
        QCOMPARE(rows, 2 * (5 + 2 + 1 + 2 + 3 + 32));
    }

    void enterInATextBox()
    {
        QFETCH(WindowOpener, opener);
        QFETCH(QString, box);
        QFETCH(QString, status);
        QFETCH(int, key);
        open(opener);
        const auto writesBefore = backend->writes.size();
        auto* target = window->findChild<QWidget*>(box);
        QVERIFY(target);
        target->setFocus();
        QCOMPARE(window->focusWidget(), target);
        auto* line = qobject_cast<QLineEdit*>(target);
        if (line && !line->isReadOnly()) {
            const bool countdown = status.startsWith(QLatin1String("COUNTDOWN"));
            line->clear();
            QTest::keyClicks(line, countdown ? QStringLiteral("0:01:30") : QStringLiteral("typed work"));
        }
        const QString typed = TextOf(target);

        QTest::keyClick(target, Qt::Key(key), key == Qt::Key_Enter ? Qt::KeypadModifier : Qt::NoModifier);

        QVERIFY2(window->isVisible(), "Enter closed the window");
        QCOMPARE(backend->writes.size(), writesBefore); // no unload, no Save
        QCOMPARE(TextOf(target), typed);
        QVERIFY(launcher->launched.empty());
        if (auto* w = qobject_cast<ZT_VOLTRAIL_AUTOTIMER_WINDOW*>(window.get())) {
            QCOMPARE(w->AUTOTIMER_TITLE_LABEL->text(), status);
            QCOMPARE(w->AUTOTIMER_COUNTER->isActive(), status == QLatin1String("COUNTDOWN STARTED"));
        }
    }

    // Enter on a focused button still presses that button, and Escape still
    // presses Close, from a text box too.
    void enterOnAButtonAndEscapeAreUnchanged_data()
    {
        QTest::addColumn<WindowOpener>("opener");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("closes");
        QTest::addColumn<QStringList>("lines");
        const auto simple = Opener<ZT_VOLTRAIL_SGUI_SIMPLE>();
        const auto console = Opener<ZT_VOLTRAIL_SGUI_ADVANCED>();
        const auto autotimer = Opener<ZT_VOLTRAIL_AUTOTIMER_WINDOW>();
        QTest::newRow("simple: Enter on Run") << simple << "RUN_SSS_BUTTON" << int(Qt::Key_Return) << false
                                              << QStringList{"shutdown /s /m \\\\SRV01 /t 30"};
        QTest::newRow("simple: Enter on Close")
            << simple << "CLOSE_BUTTON" << int(Qt::Key_Return) << true << QStringList{};
        QTest::newRow("simple: Escape in the name box")
            << simple << "PC_NAME_SSS_TEXTBOX" << int(Qt::Key_Escape) << true << QStringList{};
        QTest::newRow("console: Enter on row 3 Run") << console << "RUN_3_BUTTON" << int(Qt::Key_Return)
                                                     << false << QStringList{"shutdown /s /m \\\\PC3 /t 30"};
        QTest::newRow("console: Escape in a name box")
            << console << "PC_NAME_3_TEXTBOX" << int(Qt::Key_Escape) << true << QStringList{};
        QTest::newRow("auto-timer: Escape in the countdown box")
            << autotimer << "CLOSE_REQUEST_COUNTDOWN_TEXTBOX" << int(Qt::Key_Escape) << true << QStringList{};
    }

    void enterOnAButtonAndEscapeAreUnchanged()
    {
        QFETCH(WindowOpener, opener);
        QFETCH(QString, focus);
        QFETCH(int, key);
        QFETCH(bool, closes);
        QFETCH(QStringList, lines);
        open(opener);
        auto* target = window->findChild<QWidget*>(focus);
        QVERIFY(target);
        target->setFocus();
        QTest::keyClick(target, Qt::Key(key));
        QCOMPARE(window->isVisible(), !closes);
        QCOMPARE(Launched(*launcher), lines);
    }
};

QTEST_MAIN(EnterInTextBoxTest)
#include "EnterInTextBoxTest.moc"
