// No caption is cut: every caption and shown text of every window must fit
// its box in the windows' own font, on one line, or on the lines a tick box
// wraps it onto.
#include "support/BarTestBase.h"
#include "support/EveryWindow.h"
#include "ui/TickBox.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QtTest>

using namespace voltrail;
using namespace voltrail::test;

namespace {

// What a caption needs and the room its control gives it, in pixels.
struct Fit {
    QString text;
    QSize needed;
    QSize room;
    int lines = 1;
};

constexpr int kMaxLines = 2;

// The size text takes in the rectangle: its widest line and its lines'
// pitch (the bounding rectangle adds rounding on each side).
Fit Measure(const QWidget* control, const QString& text, const QRect& room, bool wraps, int extraWidth = 0)
{
    const QFontMetrics metrics = control->fontMetrics();
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic | (wraps ? Qt::TextWordWrap : 0);
    const QRect bounds = metrics.boundingRect(QRect(0, 0, room.width(), 10000), flags, text);
    const int lines = qMax(1, qRound(double(bounds.height()) / metrics.lineSpacing()));
    const int height = (lines - 1) * metrics.lineSpacing() + metrics.height();
    return {text, QSize(bounds.width() + extraWidth, height), room.size(), lines};
}

// Every caption the window shows, with its room; nullopt for controls that
// show none.
std::optional<Fit> CaptionOf(QWidget* w)
{
    QStyle* style = w->style();
    if (auto* tick = qobject_cast<TickBox*>(w)) {
        QStyleOptionButton option;
        option.initFrom(tick);
        option.text = tick->text();
        const QRect room = style->subElementRect(QStyle::SE_CheckBoxContents, &option, tick);
        return Measure(tick, tick->text(), room, tick->wrapsCaption());
    }
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        if (button->text().isEmpty())
            return std::nullopt;
        const int frame = style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, button);
        const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
        Fit fit = Measure(button, button->text(), button->rect().adjusted(frame, frame, -frame, -frame),
                          false, icon);
        if (!button->icon().isNull())
            fit.needed.setHeight(qMax(fit.needed.height(), button->iconSize().height()));
        return fit;
    }
    if (auto* label = qobject_cast<QLabel*>(w)) {
        if (label->text().isEmpty())
            return std::nullopt;
        const int margin = label->margin();
        return Measure(label, label->text(), label->contentsRect().adjusted(margin, margin, -margin, -margin),
                       label->wordWrap());
    }
    if (auto* box = qobject_cast<QLineEdit*>(w)) {
        // Only what the window shows by itself: typed inputs are the person's.
        if (!box->isReadOnly() || box->text().isEmpty())
            return std::nullopt;
        const QMargins margins = box->textMargins();
        const int frame =
            box->hasFrame() ? style->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box) : 0;
        const QRect room = box->rect().adjusted(frame + 2 + margins.left(), frame + margins.top(),
                                                -frame - 2 - margins.right(), -frame - margins.bottom());
        return Measure(box, box->text(), room, false);
    }
    if (auto* group = qobject_cast<QGroupBox*>(w)) {
        if (group->title().isEmpty())
            return std::nullopt;
        return Measure(group, group->title(), group->rect().adjusted(8, 0, -8, 0), false);
    }
    return std::nullopt;
}

// Shows the longest texts the auto-timer's status line and action box take.
void ShowLongestTexts(QWidget* window)
{
    if (auto* w = qobject_cast<ZT_VOLTRAIL_AUTOTIMER_WINDOW*>(window)) {
        QTest::mouseClick(w->LOGOFF_BUTTON, Qt::LeftButton);
        w->AUTOTIMER_TITLE_LABEL->setText(QStringLiteral("!!! TIME MUST BE ABOVE 00:00:00 !!!"));
    }
}

} // namespace

class CaptionFitTest : public BarTestBase {
    Q_OBJECT
private slots:
    void init()
    {
        ResetFixture();
        OpenBar();
    }
    void cleanup() { bar.reset(); }

    void everyCaptionFitsItsBox_data()
    {
        QTest::addColumn<WindowOpener>("opener");
        QTest::addColumn<int>("atLeast"); // captions the window shows, at the fewest
        const QHash<QString, int> counts{{"ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW", 6},
                                         {"ZT_VOLTRAIL_RUN_OPTION_WINDOW", 7},
                                         {"ZT_VOLTRAIL_ABOUT", 16},
                                         {"ZT_VOLTRAIL_AUTOTIMER_WINDOW", 15},
                                         {"ZT_VOLTRAIL_SGUI_SIMPLE", 15},
                                         {"ZT_VOLTRAIL_SGUI_ADVANCED", 30 * 6 + 11}};
        for (const auto& [name, opener] : EverySecondaryWindow())
            QTest::newRow(name) << opener << counts.value(QLatin1String(name));
    }

    void everyCaptionFitsItsBox()
    {
        QFETCH(WindowOpener, opener);
        QFETCH(int, atLeast);
        // The confirm window shows the longest action label.
        bar->ACTION_TEXTBOX->setText(QStringLiteral("LOGOFF CURRENT USER"));
        std::unique_ptr<Form> window = opener(*services, *bar);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        ShowLongestTexts(window.get());

        QStringList cut;
        int checked = 0;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            if (!w->isVisibleTo(window.get()))
                continue;
            const std::optional<Fit> fit = CaptionOf(w);
            if (!fit)
                continue;
            ++checked;
            const bool fits = fit->needed.width() <= fit->room.width() &&
                              fit->needed.height() <= fit->room.height() && fit->lines <= kMaxLines;
            if (!fits)
                cut << QStringLiteral("%1 \"%2\": needs %3x%4 on %5 line(s), has %6x%7")
                           .arg(w->objectName(), fit->text)
                           .arg(fit->needed.width())
                           .arg(fit->needed.height())
                           .arg(fit->lines)
                           .arg(fit->room.width())
                           .arg(fit->room.height());
        }
        QVERIFY2(checked >= atLeast, qPrintable(QStringLiteral("only %1 captions found").arg(checked)));
        if (!cut.isEmpty())
            QFAIL(qPrintable(cut.join(QStringLiteral("; "))));
    }
};

QTEST_MAIN(CaptionFitTest)
#include "CaptionFitTest.moc"
