#include "ui/AfterFirstPaint.h"

#include <QWidget>
#include <QtTest>

using namespace voltrail;

namespace {

class PaintCount final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint ? 1 : 0;
        return false;
    }
};

} // namespace

class AfterFirstPaintTest : public QObject {
    Q_OBJECT
private slots:
    void workComesAfterTheFirstPaint_data()
    {
        QTest::addColumn<bool>("shown");
        QTest::newRow("shown: after its first paint") << true;
        QTest::newRow("never shown: at the first turn of the event loop") << false;
    }

    void workComesAfterTheFirstPaint()
    {
        QFETCH(bool, shown);
        QWidget window;
        PaintCount count;
        window.installEventFilter(&count);
        int paintsBeforeWork = -1;
        new AfterFirstPaint(window, [&] { paintsBeforeWork = count.paints; });
        if (shown)
            window.show();
        QCOMPARE(paintsBeforeWork, -1);
        QTRY_VERIFY(paintsBeforeWork >= 0);
        QCOMPARE(paintsBeforeWork > 0, shown);
    }
};

int RunAfterFirstPaintTest(int argc, char** argv)
{
    AfterFirstPaintTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "AfterFirstPaintTest.moc"
