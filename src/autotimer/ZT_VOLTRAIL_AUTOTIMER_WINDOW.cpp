#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"

#include "actions/PowerAction.h"
#include "autotimer/CountdownArithmetic.h"
#include "ui/Controls.h"
#include "ui/Texts.h"
#include "ui/TickBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <cstdint>

namespace voltrail {

namespace {

constexpr std::string_view kWaiting = "WAITING FOR USER INPUT";
constexpr std::string_view kOptionSelected = "OPTION SELECTED";
constexpr std::string_view kCountdownStarted = "COUNTDOWN STARTED";
constexpr std::string_view kRunning = "!!! AUTOTIMER RUNNING !!!";
constexpr std::string_view kAborted = "!!! COUNTDOWN ABORTED !!!";

// Twip geometry of the picture-button row: five 615-twip squares spread
// evenly across the window.
constexpr int kPictureSize = 615;
constexpr int kPictureTop = 840;
constexpr int kPictureLefts[] = {240, 1440, 2640, 3840, 5040};

} // namespace

ZT_VOLTRAIL_AUTOTIMER_WINDOW::ZT_VOLTRAIL_AUTOTIMER_WINDOW(Services& services, QWidget* owner)
    : Form(services, owner, "ZT_VOLTRAIL_AUTOTIMER_WINDOW", QStringLiteral("ZT-VOLTRAIL - AUTOTIMER"),
           "AUTOTIMER", {1000, 1000, 5985, 4185})
{
    ZT_TITLE_1 =
        PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_1", QLatin1String(texts::kMakerName)), 120, 0, 2175, 285);
    ZT_TITLE_2 = PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_2", QLatin1String(texts::kProductName)), 2400, 0,
                            2055, 285);
    ZT_TITLE_3 =
        PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_3", QLatin1String(texts::kShortName)), 4560, 0, 1215, 285);
    AUTOTIMER_TITLE_LABEL = PlaceTwips(
        MakeTitleLabel(this, "AUTOTIMER_TITLE_LABEL", QStringLiteral("!!! STATUS !!!")), 120, 360, 5655, 375);

    auto picture = [this](const char* name, const char* picture, const char* caption, int column) {
        auto* button =
            PlaceTwips(MakePictureButton(this, name, picture, QLatin1String(caption), QLatin1String(caption)),
                       kPictureLefts[column], kPictureTop, kPictureSize, kPictureSize);
        button->setIconSize(QSize(32, 32));
        return button;
    };
    SHUTDOWN_BUTTON = picture("SHUTDOWN_BUTTON", "shutdown", "Shutdown", 0);
    RESTART_BUTTON = picture("RESTART_BUTTON", "restart", "Restart", 1);
    HIBERNATE_BUTTON = picture("HIBERNATE_BUTTON", "hibernate", "Hibernate", 2);
    LOGOFF_BUTTON = picture("LOGOFF_BUTTON", "logoff", "Logoff", 3);
    CLOSE_BUTTON = picture("CLOSE_BUTTON", "cancel", "Close", 4);
    SetCloseButton(CLOSE_BUTTON);

    // Each caption is centred under its button, wide enough for "Hibernate".
    auto caption = [this](const char* name, const char* text, int column) {
        auto* label = PlaceTwips(MakeLabel(this, name, QLatin1String(text)), kPictureLefts[column] - 240,
                                 kPictureTop + kPictureSize + 15, kPictureSize + 480, 255);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    Label1 = caption("Label1", "Shutdown", 0);
    Label2 = caption("Label2", "Restart", 1);
    Label4 = caption("Label4", "Hibernate", 2);
    Label5 = caption("Label5", "Logoff", 3);
    Label3 = caption("Label3", "Close", 4);

    AUTOTIMER_ACTION_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "AUTOTIMER_ACTION_TEXTBOX", QStringLiteral("!!! SELECT ACTION !!!"),
                               QStringLiteral("Action")),
                   120, 1800, 5655, 375);
    AUTOTIMER_ACTION_TEXTBOX->setReadOnly(true);
    AUTOTIMER_ACTION_TEXTBOX->setAlignment(Qt::AlignCenter);
    AUTOTIMER_ACTION_TEXTBOX->setStyleSheet(
        QStringLiteral("background-color: red; color: cyan; font-weight: bold; font-size: 12pt;"));

    // The countdown box sits between Cancel and OK; its three fields take a
    // third of its width each, and each caption stands over its field.
    constexpr int boxLeft = 1335;
    constexpr int boxWidth = 3225;
    constexpr int fieldWidth = boxWidth / 3;
    auto fieldCaption = [this](const char* name, const char* text, int field) {
        auto* label = PlaceTwips(MakeLabel(this, name, QLatin1String(text)), boxLeft + field * fieldWidth,
                                 2325, fieldWidth, 255);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    HOURS_LABEL = fieldCaption("HOURS_LABEL", "Hours", 0);
    MINUTES_LABEL = fieldCaption("MINUTES_LABEL", "Minutes", 1);
    SECONDS_LABEL = fieldCaption("SECONDS_LABEL", "Seconds", 2);

    CLOSE_REQUEST_COUNTDOWN_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "CLOSE_REQUEST_COUNTDOWN_TEXTBOX", ToQString(kZeroDisplay),
                               QStringLiteral("Hours Minutes Seconds")),
                   boxLeft, 2640, boxWidth, 975);
    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setAlignment(Qt::AlignCenter);
    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setStyleSheet(
        QStringLiteral("background-color: black; color: #00ff00; font-size: 28pt; font-weight: 900;"));
    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setToolTip(
        QStringLiteral("H:MM:SS, or a clock time when At clock time is ticked"));

    CANCEL_BUTTON =
        PlaceTwips(MakeButton(this, "CANCEL_BUTTON", QStringLiteral("Cancel")), 120, 2640, 1095, 975);
    CANCEL_BUTTON->setIcon(Picture("cancel"));
    CANCEL_BUTTON->setIconSize(QSize(24, 24));
    CANCEL_BUTTON->setEnabled(false);
    OK_BUTTON = PlaceTwips(MakeButton(this, "OK_BUTTON", QStringLiteral("OK")), 4680, 2640, 1095, 975);
    OK_BUTTON->setIcon(Picture("ok"));
    OK_BUTTON->setIconSize(QSize(24, 24));
    OK_BUTTON->setEnabled(false);
    // In the free cell over Cancel, up to the Hours caption's cell: its
    // caption needs one line of the whole width. Never stored, so every
    // opening counts down a duration until a person asks otherwise.
    AT_CLOCK_TIME_TICKBOX = PlaceTwips(
        MakeTickBox(this, "AT_CLOCK_TIME_TICKBOX", QStringLiteral("At clock time")), 60, 2325, 1275, 255);
    // A person who has typed a time expects Enter to start it.
    SetEnterButton(CLOSE_REQUEST_COUNTDOWN_TEXTBOX, OK_BUTTON);

    AUTOTIMER_COUNTER = new QTimer(this);
    AUTOTIMER_COUNTER->setObjectName(QStringLiteral("AUTOTIMER_COUNTER"));
    AUTOTIMER_COUNTER->setTimerType(Qt::PreciseTimer);

    SetTabOrder({SHUTDOWN_BUTTON, RESTART_BUTTON, HIBERNATE_BUTTON, LOGOFF_BUTTON, CLOSE_BUTTON,
                 AUTOTIMER_ACTION_TEXTBOX, CANCEL_BUTTON, AT_CLOCK_TIME_TICKBOX,
                 CLOSE_REQUEST_COUNTDOWN_TEXTBOX, OK_BUTTON});
    CLOSE_BUTTON->setFocus();

    connect(SHUTDOWN_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kShutdown); });
    connect(RESTART_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kRestart); });
    connect(HIBERNATE_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kHibernate); });
    connect(LOGOFF_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kLogoff); });
    connect(CLOSE_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_AUTOTIMER_WINDOW::CLOSE_BUTTON_Click);
    connect(OK_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_AUTOTIMER_WINDOW::OK_BUTTON_Click);
    connect(CANCEL_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_AUTOTIMER_WINDOW::CANCEL_BUTTON_Click);
    connect(AUTOTIMER_COUNTER, &QTimer::timeout, this,
            &ZT_VOLTRAIL_AUTOTIMER_WINDOW::AUTOTIMER_COUNTER_Timer);
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::Form_Load()
{
    RestorePlacement();
    AUTOTIMER_COUNTER->setInterval(1000);
    SetStatus(kWaiting);
}

// A closed window keeps no countdown: nothing may fire after it has gone.
void ZT_VOLTRAIL_AUTOTIMER_WINDOW::Form_Unload()
{
    AUTOTIMER_COUNTER->stop();
    Form::Form_Unload();
}

// SHUTDOWN_BUTTON_Click and its three siblings: they differ only in the label.
void ZT_VOLTRAIL_AUTOTIMER_WINDOW::PickAction(std::string_view label)
{
    SetStatus(kOptionSelected);
    AUTOTIMER_ACTION_TEXTBOX->setText(ToQString(label));
    OK_BUTTON->setEnabled(true);
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::OK_BUTTON_Click()
{
    const std::string text = CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text().toStdString();
    TargetTime.reset();
    if (AT_CLOCK_TIME_TICKBOX->isTicked()) {
        const auto secondOfDay = ReadDurationSeconds(text);
        const std::int64_t now = services().clock.NowMs();
        TargetTime = secondOfDay ? NextOccurrence(*secondOfDay, now, services().clock) : std::nullopt;
        if (!TargetTime) {
            SetStatus(RefusalText(StartRefusal::NotATime));
            return;
        }
        ShowTimeLeft(now);
    } else {
        const CountdownStart start = ReadCountdownStart(text);
        if (!start.remainingTime) {
            // Refused: the window stays as it was, and says why.
            SetStatus(RefusalText(*start.refusal));
            return;
        }
        RemainingTime = *start.remainingTime;
    }
    SetStatus(kCountdownStarted);
    AUTOTIMER_COUNTER->start();
    CANCEL_BUTTON->setEnabled(true);
    OK_BUTTON->setEnabled(false);
    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setReadOnly(true);
    SetActionButtonsEnabled(false);
    AT_CLOCK_TIME_TICKBOX->setEnabled(false);
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::AUTOTIMER_COUNTER_Timer()
{
    SetStatus(kRunning);
    if (TargetTime) {
        const std::int64_t now = services().clock.NowMs();
        switch (JudgeClockTick(TargetTime->atMs, now)) {
        case ClockTick::Waiting:
            ShowTimeLeft(now);
            return;
        case ClockTick::Missed:
            // Hours after the time, a shutdown would come as a surprise. The
            // box holds the time again, so that OK arms it for the next day.
            StopCounting();
            SetStatus(MissedText(TargetTime->secondOfDay));
            CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setText(
                QString::fromStdString(FormatSeconds(TargetTime->secondOfDay)));
            TargetTime.reset();
            return;
        case ClockTick::Fire:
            break;
        }
    } else {
        RemainingTime = AfterOneTick(RemainingTime);
        CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setText(QString::fromStdString(FormatTimeOfDay(RemainingTime)));
        if (!DisplayReadsZero(CLOSE_REQUEST_COUNTDOWN_TEXTBOX->text().toStdString()))
            return;
    }

    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setText(ToQString(kFiredDisplay));
    const std::string label = AUTOTIMER_ACTION_TEXTBOX->text().toStdString();
    if (const auto status = FiringStatusText(label))
        SetStatus(*status);
    if (PerformLocalAction(label, launcher()))
        close();
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::CANCEL_BUTTON_Click()
{
    StopCounting();
    SetStatus(kAborted);
    TargetTime.reset();
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::ShowTimeLeft(std::int64_t nowMs)
{
    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setText(
        QString::fromStdString(FormatSeconds(SecondsRemaining(TargetTime->atMs, nowMs))));
}

// Back to where OK can start again: the box keeps what it shows.
void ZT_VOLTRAIL_AUTOTIMER_WINDOW::StopCounting()
{
    AUTOTIMER_COUNTER->stop();
    OK_BUTTON->setEnabled(true);
    CANCEL_BUTTON->setEnabled(false);
    CLOSE_REQUEST_COUNTDOWN_TEXTBOX->setReadOnly(false);
    SetActionButtonsEnabled(true);
    AT_CLOCK_TIME_TICKBOX->setEnabled(true);
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::CLOSE_BUTTON_Click()
{
    SavePlacement();
    close();
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::SetActionButtonsEnabled(bool enabled)
{
    for (QPushButton* button : {SHUTDOWN_BUTTON, RESTART_BUTTON, HIBERNATE_BUTTON, LOGOFF_BUTTON})
        button->setEnabled(enabled);
}

void ZT_VOLTRAIL_AUTOTIMER_WINDOW::SetStatus(std::string_view text)
{
    AUTOTIMER_TITLE_LABEL->setText(ToQString(text));
}

} // namespace voltrail
