#include <QtTest>
class SimpleWindowTest : public QObject { Q_OBJECT };
QTEST_MAIN(SimpleWindowTest)
#include "SimpleWindowTest.moc"
