// The pictures the program shows are the ones rsvg-convert drew: unpacking
// them at build time changes no pixel.
#include "ui/Controls.h"

#include <QtTest>

using namespace voltrail;

class PictureTest : public QObject {
    Q_OBJECT
private slots:
    void shownAsDrawn_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("side");
        QTest::newRow("app, window icon") << "app" << 16;
        QTest::newRow("run now, on the bar") << "run_now" << 20;
        QTest::newRow("remote, larger") << "remote" << 48;
        QTest::newRow("run now, on the bar at 150%") << "run_now" << 30;
        QTest::newRow("ok, on a dialog at 150%") << "ok" << 36;
        QTest::newRow("remote, larger at 150%") << "remote" << 72;
        QTest::newRow("ok, scaled screens") << "ok" << 96;
    }

    void shownAsDrawn()
    {
        QFETCH(QString, name);
        QFETCH(int, side);
        const QImage drawn(QStringLiteral(VOLTRAIL_DRAWN_PICTURES "/%1/%2.png").arg(name).arg(side));
        QVERIFY(!drawn.isNull());
        const QImage shown = Picture(name.toLatin1().constData()).pixmap(QSize(side, side)).toImage();
        QCOMPARE(shown.size(), drawn.size());
        QCOMPARE(shown.convertToFormat(QImage::Format_ARGB32_Premultiplied),
                 drawn.convertToFormat(QImage::Format_ARGB32_Premultiplied));
    }
};

QTEST_MAIN(PictureTest)
#include "PictureTest.moc"
