#include "ui/TickBox.h"

#include <QSignalSpy>
#include <QtTest>

using namespace voltrail;

class TickBoxTest : public QObject {
    Q_OBJECT
private slots:
    void clicksAndCodeChangeTheValue_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("afterClick");
        QTest::addColumn<int>("shownState");
        QTest::newRow("clear") << 0 << 1 << int(Qt::Unchecked);
        QTest::newRow("ticked") << 1 << 0 << int(Qt::Checked);
        QTest::newRow("stored 2") << 2 << 1 << int(Qt::PartiallyChecked);
        QTest::newRow("stored -1") << -1 << 1 << int(Qt::PartiallyChecked);
    }

    void clicksAndCodeChangeTheValue()
    {
        QFETCH(int, start);
        QFETCH(int, afterClick);
        QFETCH(int, shownState);
        TickBox box(QStringLiteral("Box"), nullptr);
        box.setValue(static_cast<std::int16_t>(start));
        QCOMPARE(int(box.checkState()), shownState);
        QCOMPARE(box.isTicked(), start == 1);
        QSignalSpy changed(&box, &TickBox::valueChanged);
        box.show();
        QTest::mouseClick(&box, Qt::LeftButton, {}, QPoint(5, box.height() / 2));
        QCOMPARE(int(box.value()), afterClick);
        QCOMPARE(changed.size(), 1);
    }

    void settingTheSameValueRunsNothing()
    {
        TickBox box(QStringLiteral("Box"), nullptr);
        QSignalSpy changed(&box, &TickBox::valueChanged);
        box.setValue(0);
        QCOMPARE(changed.size(), 0);
        box.setValue(1);
        box.setValue(1);
        QCOMPARE(changed.size(), 1);
    }
};

int RunTickBoxTest(int argc, char** argv)
{
    TickBoxTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "TickBoxTest.moc"
