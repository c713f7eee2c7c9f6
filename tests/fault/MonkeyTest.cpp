#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "settings/ValueConversion.h"
#include "support/DiskStore.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSettings>
#include <QTimer>
#include <QtTest>

using namespace voltrail;

// Thousands of random clicks and keys across every window the bar can open,
// with the real store and a recording launcher. Afterwards nothing has
// crashed, every started line has one of the forms the program may produce,
// and the store still reads back.
class MonkeyTest : public QObject {
    Q_OBJECT
private:
    static constexpr int kSteps = 5000;
    test::ConfigHome home;
    QRandomGenerator random{20261207};
    ZT_VOLTRAIL_MAIN* bar = nullptr;
    int steps = 0;
    bool drained = false;

    template <typename T> QList<T*> visible(QWidget* window)
    {
        QList<T*> out;
        for (T* w : window->findChildren<T*>())
            if (w->isVisible() && w->isEnabled() && w->window() == window)
                out << w;
        return out;
    }

    QString randomText()
    {
        static const QString alphabet =
            QStringLiteral("0123456789::::  abcXYZ\\\\\"'&;$()%=#,.-_/Zürich日本\t");
        QString text;
        const int length = random.bounded(100) < 3 ? 300 : random.bounded(1, 12);
        for (int i = 0; i < length; ++i)
            text += alphabet.at(random.bounded(alphabet.size()));
        return text;
    }

    void act(QWidget* window)
    {
        const int roll = random.bounded(100);
        QWidget* focus = QApplication::focusWidget() ? QApplication::focusWidget() : window;
        if (roll < 45) {
            if (const auto buttons = visible<QAbstractButton>(window); !buttons.isEmpty()) {
                auto* button = buttons.at(random.bounded(buttons.size()));
                QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(3, button->height() / 2));
            }
        } else if (roll < 65) {
            if (const auto boxes = visible<QLineEdit>(window); !boxes.isEmpty()) {
                auto* box = boxes.at(random.bounded(boxes.size()));
                box->setFocus();
                if (random.bounded(2))
                    box->selectAll();
                // Typed where the test keyboard has the key, pasted where not.
                for (const QChar c : randomText()) {
                    if (c.unicode() < 0x80)
                        QTest::keyClick(box, c.toLatin1());
                    else
                        box->insert(QString(c));
                }
            }
        } else if (roll < 75) {
            QTest::keyClick(window, Qt::Key_Escape);
        } else if (roll < 83) {
            QTest::keyClick(focus, Qt::Key_Return);
        } else if (roll < 91) {
            QTest::keyClick(focus, random.bounded(2) ? Qt::Key_Tab : Qt::Key_Space);
        } else if (roll < 95) {
            if (window != bar)
                window->close();
        } else if (const auto any = visible<QWidget>(window); !any.isEmpty()) {
            QTest::mouseDClick(any.at(random.bounded(any.size())), Qt::LeftButton);
        }
    }

    void step()
    {
        if (steps >= kSteps) {
            drain();
            return;
        }
        ++steps;
        // Queued before acting: a click that opens a modal window waits in
        // its exec(), and the next step runs inside that loop.
        QTimer::singleShot(0, this, &MonkeyTest::step);
        QWidget* window = QApplication::activeModalWidget();
        act(window ? window : bar);
    }

    void drain()
    {
        if (QWidget* window = QApplication::activeModalWidget()) {
            QTimer::singleShot(0, this, &MonkeyTest::drain);
            window->close();
            return;
        }
        drained = true;
    }

private slots:
    void initTestCase() { QVERIFY(home.isValid()); }

    void randomUseBreaksNothing()
    {
        test::DiskProgram program("ZT-VOLTRAIL-V1");
        const auto& launcher = program.launcher;
        ZT_VOLTRAIL_MAIN main(program.services);
        bar = &main;
        main.Form_Load();
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));

        QTimer::singleShot(0, this, &MonkeyTest::step);
        QTRY_VERIFY_WITH_TIMEOUT(drained, 240000);
        QCOMPARE(steps, kSteps);
        main.close();

        const QRegularExpression allowed(
            QStringLiteral("\\A(shutdown /s /t 0|shutdown /g /f /t 0|shutdown /h|shutdown /l"
                           "|shutdown /[sg]( /f)? /m \\\\\\\\.* /t .*|shutdown /a /m \\\\\\\\.*)\\z"),
            QRegularExpression::DotMatchesEverythingOption);
        for (const auto& l : launcher.launched) {
            const QString line = QString::fromStdString(l.commandLine);
            if (line == QStringLiteral("shutdown.exe /i")) {
                QCOMPARE(l.style, std::int16_t{1});
                continue;
            }
            QVERIFY2(allowed.match(line).hasMatch(), qPrintable(line));
            QCOMPARE(l.style, std::int16_t{0});
        }
        qInfo("%d steps, %zu lines started", steps, launcher.launched.size());

        QSettings file(program.backend.location(), QSettings::IniFormat);
        QCOMPARE(file.status(), QSettings::NoError);
        for (const QString& key : file.allKeys()) {
            const std::string value = file.value(key).toString().toStdString();
            if (key.endsWith(QLatin1String("_TICKBOX"))) {
                const auto tick = ParseTick(value);
                QVERIFY2(tick && (*tick == 0 || *tick == 1), qPrintable(key));
            } else if (key.endsWith(QLatin1String("_Left")) || key.endsWith(QLatin1String("_Top"))) {
                QVERIFY2(ParseNumber(value).has_value(), qPrintable(key));
            }
        }
    }
};

QTEST_MAIN(MonkeyTest)
#include "MonkeyTest.moc"
