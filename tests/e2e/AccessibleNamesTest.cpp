// Screen readers and GUI automation find controls by their accessible names.
// Every window is opened and its accessible tree walked: each visible control
// a person can press or type into must be reachable there, with a name.
#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "support/WindowTestBase.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QHash>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>
#include <QtTest>
#include <functional>
#include <memory>
#include <type_traits>

using namespace voltrail;
using namespace voltrail::test;

namespace {

using OpenWindow = std::function<std::unique_ptr<QWidget>(Services&, ZT_VOLTRAIL_MAIN&)>;

template <typename> inline constexpr bool kNoKnownConstructor = false;

// Secondary windows are owned by the bar; whichever of the usual constructor
// shapes a window has is the one used.
template <typename Window> std::unique_ptr<Window> Construct(Services& services, ZT_VOLTRAIL_MAIN& bar)
{
    if constexpr (std::is_constructible_v<Window, Services&, ZT_VOLTRAIL_MAIN&, QWidget*>)
        return std::make_unique<Window>(services, bar, &bar);
    else if constexpr (std::is_constructible_v<Window, Services&, ZT_VOLTRAIL_MAIN&>)
        return std::make_unique<Window>(services, bar);
    else if constexpr (std::is_constructible_v<Window, Services&, QWidget*>)
        return std::make_unique<Window>(services, &bar);
    else
        static_assert(kNoKnownConstructor<Window>, "add this window's constructor shape here");
}

template <typename Window> OpenWindow Opener()
{
    return [](Services& services, ZT_VOLTRAIL_MAIN& bar) -> std::unique_ptr<QWidget> {
        auto window = Construct<Window>(services, bar);
        window->Load();
        return window;
    };
}

bool IsOperable(QWidget* w)
{
    return qobject_cast<QAbstractButton*>(w) || qobject_cast<QLineEdit*>(w) ||
           qobject_cast<QPlainTextEdit*>(w) || qobject_cast<QTextEdit*>(w);
}

// Every object the accessible tree reaches from the window, with its name.
void CollectNames(QAccessibleInterface* node, QHash<QObject*, QString>& names, int depth = 0)
{
    if (!node || depth > 64)
        return;
    if (QObject* object = node->object())
        names.insert(object, node->text(QAccessible::Name));
    for (int i = 0; i < node->childCount(); ++i)
        CollectNames(node->child(i), names, depth + 1);
}

QString Describe(QWidget* w)
{
    return QStringLiteral("%1 (%2)").arg(w->objectName().isEmpty() ? QStringLiteral("<unnamed>")
                                                                   : w->objectName(),
                                         QString::fromLatin1(w->metaObject()->className()));
}

} // namespace

Q_DECLARE_METATYPE(OpenWindow)

class AccessibleNamesTest : public WindowTestBase {
    Q_OBJECT
private:
    std::unique_ptr<ZT_VOLTRAIL_MAIN> bar;

private slots:
    void init()
    {
        ResetFixture();
        bar = std::make_unique<ZT_VOLTRAIL_MAIN>(*services);
        bar->Form_Load();
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar.get()));
    }

    void cleanup() { bar.reset(); }

    void everyOperableControlHasAName_data()
    {
        QTest::addColumn<OpenWindow>("open");
        QTest::newRow("ZT_VOLTRAIL_MAIN") << OpenWindow{}; // the bar itself
        QTest::newRow("ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW") << Opener<ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW>();
        QTest::newRow("ZT_VOLTRAIL_RUN_OPTION_WINDOW") << Opener<ZT_VOLTRAIL_RUN_OPTION_WINDOW>();
        QTest::newRow("ZT_VOLTRAIL_ABOUT") << Opener<ZT_VOLTRAIL_ABOUT>();
        QTest::newRow("ZT_VOLTRAIL_AUTOTIMER_WINDOW") << Opener<ZT_VOLTRAIL_AUTOTIMER_WINDOW>();
        QTest::newRow("ZT_VOLTRAIL_SGUI_SIMPLE") << Opener<ZT_VOLTRAIL_SGUI_SIMPLE>();
    }

    void everyOperableControlHasAName()
    {
        QFETCH(OpenWindow, open);
        std::unique_ptr<QWidget> opened = open ? open(*services, *bar) : nullptr;
        QWidget* window = opened ? opened.get() : bar.get();
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window));
        QCOMPARE(window->objectName(), QString::fromLatin1(QTest::currentDataTag()));

        QHash<QObject*, QString> names;
        CollectNames(QAccessible::queryAccessibleInterface(window), names);

        QStringList faults;
        int checked = 0;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            if (!IsOperable(control) || !control->isVisibleTo(window))
                continue;
            ++checked;
            const auto found = names.constFind(control);
            if (found == names.cend())
                faults << Describe(control) + QStringLiteral(": not in the accessible tree");
            else if (found->trimmed().isEmpty())
                faults << Describe(control) + QStringLiteral(": no accessible name");
        }
        if (!faults.isEmpty())
            QFAIL(qPrintable(faults.join(QStringLiteral("; "))));
        qInfo("%d controls named", checked);
    }

    // The check itself must catch a nameless control, or it proves nothing.
    void aNamelessControlIsCaught()
    {
        auto* stray = new QLineEdit(bar.get());
        stray->show();
        QHash<QObject*, QString> names;
        CollectNames(QAccessible::queryAccessibleInterface(bar.get()), names);
        QVERIFY(names.contains(stray));
        QVERIFY(names.value(stray).trimmed().isEmpty());
        QVERIFY(names.contains(bar->RUN_NOW_BUTTON));
        QCOMPARE(names.value(bar->RUN_NOW_BUTTON), QStringLiteral("RUN NOW"));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "AccessibleNamesTest.moc"
