#include "dialogs/ZT_VOLTRAIL_ABOUT.h"

#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "ui/Controls.h"
#include "ui/Texts.h"
#include "ui/TickBox.h"

#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

namespace voltrail {

namespace {

// Positions in the control table are window coordinates; the group's tick
// boxes live inside the frame, so they are placed relative to its corner.
constexpr int kFrameLeft = 480;
constexpr int kFrameTop = 1560;

QLabel* Named(QLabel* label)
{
    label->setAccessibleName(label->text());
    return label;
}

} // namespace

ZT_VOLTRAIL_ABOUT::ZT_VOLTRAIL_ABOUT(Services& services, ZT_VOLTRAIL_MAIN& bar)
    : Form(services, &bar, "ZT_VOLTRAIL_ABOUT", QStringLiteral("ZT-VOLTRAIL - ABOUT"), "ABOUT",
           {1000, 1000, 6720, 3585}),
      bar_(bar)
{
    auto title = [this](const char* name, const char* text, int left, int top, int width) {
        return PlaceTwips(Named(MakeTitleLabel(this, name, QString::fromUtf8(text))), left, top, width, 375);
    };
    ZT_TITLE_1 = title("ZT_TITLE_1", texts::kMakerName, 120, 120, 1815);
    ZT_TITLE_2 = title("ZT_TITLE_2", texts::kProductName, 2040, 120, 1815);
    ZT_TITLE_3 = title("ZT_TITLE_3", texts::kShortName, 3960, 120, 975);
    VERSION_TEXTBOX = title("VERSION_TEXTBOX", "Version 1.0", 5040, 120, 1455);
    CREATOR_TEXTBOX = title("CREATOR_TEXTBOX", texts::kCreditLine, 120, 600, 4215);
    FREEWARE_TEXTBOX = title("FREEWARE_TEXTBOX", texts::kFreewareNotice, 4440, 600, 2055);
    CREATOR_TEXTBOX->installEventFilter(this);

    ICONS_WEBLINK_LABEL =
        PlaceTwips(Named(MakeLabel(this, "ICONS_WEBLINK_LABEL", QStringLiteral("Some Base Icons Used"))), 240,
                   1080, 1815, 255);
    ICONS_WEBLINK_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "ICONS_WEBLINK_TEXTBOX", QString::fromUtf8(texts::kIconCredit),
                               ICONS_WEBLINK_LABEL->text()),
                   2040, 1080, 4335, 285);
    ICONS_WEBLINK_TEXTBOX->setReadOnly(true);
    ICONS_WEBLINK_LABEL->setBuddy(ICONS_WEBLINK_TEXTBOX);

    Line1 = PlaceTwips(new QFrame(this), 120, 1440, 6360, 15);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);

    RUN_NOW_SELECTOR_FRAME =
        PlaceTwips(new QGroupBox(QStringLiteral("Run Now Button"), this), kFrameLeft, kFrameTop, 3015, 1455);
    RUN_NOW_SELECTOR_FRAME->setObjectName(QStringLiteral("RUN_NOW_SELECTOR_FRAME"));
    auto choice = [this](const char* name, const char* caption, int left, int top, int width) {
        auto* box = MakeTickBox(RUN_NOW_SELECTOR_FRAME, name, QString::fromUtf8(caption));
        return PlaceTwips(box, left - kFrameLeft, top - kFrameTop, width, 255);
    };
    SHUTDOWN_TICKBOX = choice("SHUTDOWN_TICKBOX", "Shutdown", 600, 1920, 1095);
    RESTART_TICKBOX = choice("RESTART_TICKBOX", "Restart", 600, 2280, 855);
    HIBERNATE_TICKBOX = choice("HIBERNATE_TICKBOX", "Hibernate", 600, 2640, 1095);
    LOGOFF_TICKBOX = choice("LOGOFF_TICKBOX", "Logoff", 2160, 1920, 855);
    ALWAYS_ASK_TICKBOX = choice("ALWAYS_ASK_TICKBOX", "Always Ask", 2160, 2280, 1215);

    AlwaysOnTop_TICKBOX = PlaceTwips(
        MakeTickBox(this, "AlwaysOnTop_TICKBOX", QStringLiteral("Always On Top")), 4320, 1680, 1455, 255);
    // Ticked before any handler is connected: the initial state touches nothing.
    AlwaysOnTop_TICKBOX->setValue(1);

    // The doubled ampersand is a literal one: no access key.
    SAVE_AND_CLOSE_BUTTON = PlaceTwips(
        MakeButton(this, "SAVE_AND_CLOSE_BUTTON", QStringLiteral("Save && Close")), 4200, 2160, 1695, 735);
    // Enter saves; there is no cancel button, so Escape leaves like the close box.
    SAVE_AND_CLOSE_BUTTON->setDefault(true);

    SLEEP_TICKBOX =
        PlaceTwips(MakeTickBox(this, "SLEEP_TICKBOX", QStringLiteral("Sleep")), 2640, 3960, 855, 255);
    MY_CMD_TICKBOX =
        PlaceTwips(MakeTickBox(this, "MY_CMD_TICKBOX", QStringLiteral("MY CMD")), 3720, 3960, 975, 255);
    MY_CMD_LABEL = PlaceTwips(MakeLabel(this, "MY_CMD_LABEL", QStringLiteral("MY CMD Full Run Command")), 480,
                              4080, 2175, 255);
    MY_CMD_VISIBLE_TICKBOX = PlaceTwips(
        MakeTickBox(this, "MY_CMD_VISIBLE_TICKBOX", QStringLiteral("Run Visible")), 4920, 4080, 1215, 255);
    MY_CMD_TEXTBOX = PlaceTwips(MakeTextBox(this, "MY_CMD_TEXTBOX", QStringLiteral("MY_CMD_TEXTBOX")), 480,
                                4320, 5655, 375);
    MakeInert(SLEEP_TICKBOX, true);
    MakeInert(MY_CMD_TICKBOX, true);
    MakeInert(MY_CMD_LABEL, false);
    MakeInert(MY_CMD_VISIBLE_TICKBOX, false);
    MakeInert(MY_CMD_TEXTBOX, false);

    SetTabOrder({SAVE_AND_CLOSE_BUTTON, AlwaysOnTop_TICKBOX, SHUTDOWN_TICKBOX, RESTART_TICKBOX,
                 HIBERNATE_TICKBOX, LOGOFF_TICKBOX, ALWAYS_ASK_TICKBOX, ICONS_WEBLINK_TEXTBOX});
    SAVE_AND_CLOSE_BUTTON->setFocus();

    const auto group = RunNowGroup();
    for (std::size_t member = 0; member < group.size(); ++member)
        connect(group[member], &TickBox::valueChanged, this, [this, member] { RunNowGroup_Click(member); });
    connect(AlwaysOnTop_TICKBOX, &TickBox::valueChanged, this, &ZT_VOLTRAIL_ABOUT::AlwaysOnTop_TICKBOX_Click);
    connect(SAVE_AND_CLOSE_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_ABOUT::SAVE_AND_CLOSE_BUTTON_Click);
}

std::array<TickBox*, ZT_VOLTRAIL_ABOUT::kGroupSize> ZT_VOLTRAIL_ABOUT::RunNowGroup() const
{
    return {SHUTDOWN_TICKBOX, RESTART_TICKBOX, HIBERNATE_TICKBOX, LOGOFF_TICKBOX, ALWAYS_ASK_TICKBOX};
}

std::array<TickBox*, ZT_VOLTRAIL_ABOUT::kGroupSize> ZT_VOLTRAIL_ABOUT::BarGroup() const
{
    return {bar_.SHUTDOWN_TICKBOX, bar_.RESTART_TICKBOX, bar_.HIBERNATE_TICKBOX, bar_.LOGOFF_TICKBOX,
            bar_.ALWAYS_ASK_TICKBOX};
}

void ZT_VOLTRAIL_ABOUT::Form_Load()
{
    RestorePlacement();
    // Each value that differs from the initial state runs its handler here,
    // nested: the bar follows what is loaded.
    AlwaysOnTop_TICKBOX->setValue(settings().LoadTick("AlwaysOnTop_TICKBOX", 1));
    const auto group = RunNowGroup();
    for (TickBox* box : group)
        box->setValue(settings().LoadTick(box->objectName().toStdString(), 0));
    for (TickBox* ticked : group) {
        if (!ticked->isTicked())
            continue;
        for (TickBox* other : group)
            if (other != ticked)
                other->setEnabled(false);
    }
}

void ZT_VOLTRAIL_ABOUT::RunNowGroup_Click(std::size_t member)
{
    // Re-entered from the setValue calls below; each run reads the group anew.
    const auto group = RunNowGroup();
    TickBox* box = group[member];
    if (box->isTicked()) {
        // The bar holds this choice alone: a choice left there by an unsaved
        // earlier opening would make RUN NOW ask twice.
        const auto bar = BarGroup();
        bar[member]->setValue(1);
        for (TickBox* other : bar)
            if (other != bar[member])
                other->setValue(0);
        for (TickBox* other : group)
            if (other != box)
                other->setValue(0);
        for (TickBox* other : group)
            if (other != box)
                other->setEnabled(false);
    } else {
        BarGroup()[member]->setValue(0);
        for (TickBox* other : group)
            if (other != box)
                other->setEnabled(true);
    }
}

void ZT_VOLTRAIL_ABOUT::AlwaysOnTop_TICKBOX_Click()
{
    if (AlwaysOnTop_TICKBOX->isTicked()) {
        // Enabling a running timer leaves its rhythm alone.
        if (!bar_.AlwaysOnTopTimer->isActive())
            bar_.AlwaysOnTopTimer->start();
        bar_.AlwaysOnTop_TICKBOX->setValue(1);
    } else {
        bar_.AlwaysOnTopTimer->stop();
        bar_.AlwaysOnTop_TICKBOX->setValue(0);
    }
}

void ZT_VOLTRAIL_ABOUT::SAVE_AND_CLOSE_BUTTON_Click()
{
    settings().SaveTick("AlwaysOnTop_TICKBOX", AlwaysOnTop_TICKBOX->value());
    for (TickBox* box : RunNowGroup())
        settings().SaveTick(box->objectName().toStdString(), box->value());
    settings().Flush();
    close();
}

void ZT_VOLTRAIL_ABOUT::CREATOR_TEXTBOX_DblClick()
{
    // No way back: the credit line returns at the next load.
    CREATOR_TEXTBOX->setText(QString::fromUtf8(texts::kContactAddress));
    CREATOR_TEXTBOX->setAccessibleName(CREATOR_TEXTBOX->text());
}

bool ZT_VOLTRAIL_ABOUT::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == CREATOR_TEXTBOX && event->type() == QEvent::MouseButtonDblClick)
        CREATOR_TEXTBOX_DblClick();
    return Form::eventFilter(watched, event);
}

} // namespace voltrail
