#include <QtTest>
class AdvancedConsoleTest : public QObject { Q_OBJECT };
QTEST_MAIN(AdvancedConsoleTest)
#include "AdvancedConsoleTest.moc"
