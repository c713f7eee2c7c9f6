#include "mainbar/ZT_VOLTRAIL_MAIN.h"

#include "actions/PowerAction.h"
#include "autotimer/ZT_VOLTRAIL_AUTOTIMER_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_ABOUT.h"
#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"
#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"
#include "mainbar/TaskBarEntry.h"
#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"
#include "ui/AfterFirstPaint.h"
#include "ui/Controls.h"
#include "ui/TickBox.h"
#include "ui/WindowPlacement.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

namespace voltrail {

namespace {

const std::string kPrefix = "MAIN";
constexpr Placement kDefaultPlacement{1000, 1000, 2500, 780};

} // namespace

ZT_VOLTRAIL_MAIN::ZT_VOLTRAIL_MAIN(Services& services)
    : QWidget(nullptr, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      services_(services), keeper_(services.stacking, [this] { return static_cast<WindowHandle>(winId()); })
{
    setObjectName(QStringLiteral("ZT_VOLTRAIL_MAIN"));
    setWindowTitle(QStringLiteral("ZT-VOLTRAIL"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    KeepOutOfTaskBar(*this);

    struct BarButton {
        QPushButton*& button;
        const char* name;
        int left;
        const char* tip;
        const char* picture;
    };
    const BarButton bar[] = {
        {ZT_BUTTON, "ZT_BUTTON", 120, "SETTINGS", "app"},
        {RUN_NOW_BUTTON, "RUN_NOW_BUTTON", 480, "RUN NOW", "run_now"},
        {POWER_BUTTON, "POWER_BUTTON", 840, "TASK", "power"},
        {AUTOTIMER_BUTTON, "AUTOTIMER_BUTTON", 1200, "AUTOTIMER", "autotimer"},
        {ZT_SHUTDOWN_GUI_BUTTON, "ZT_SHUTDOWN_GUI_BUTTON", 1560, "ZT-SHUTDOWN-GUI", "remote"},
        {MS_SHUTDOWN_GUI_BUTTON, "MS_SHUTDOWN_GUI_BUTTON", 1920, "MS-SHUTDOWN-GUI", "ms_remote"},
    };
    for (const auto& b : bar) {
        const QString tip = QString::fromLatin1(b.tip);
        b.button = PlaceTwips(MakePictureButton(this, b.name, b.picture, tip, tip), b.left, 0, 375, 375);
        b.button->setAutoDefault(false);
        b.button->setIconSize(QSize(20, 20));
    }
    SetTabOrder({ZT_BUTTON, RUN_NOW_BUTTON, POWER_BUTTON, AUTOTIMER_BUTTON, ZT_SHUTDOWN_GUI_BUTTON,
                 MS_SHUTDOWN_GUI_BUTTON});

    // The bar shows only pictures, so nothing it needs to appear loads the
    // font database (about ten milliseconds). Its hidden controls keep it that
    // way: the hidden text boxes are labels, which hold a text without laying
    // it out, and the frame gets its caption once the bar has been painted.
    // So does the window icon, which the frame shows (every size of it is
    // decoded for the window manager).
    RUN_NOW_SELECTOR_FRAME = new QGroupBox(this);
    RUN_NOW_SELECTOR_FRAME->setObjectName(QStringLiteral("RUN_NOW_SELECTOR_FRAME"));
    new AfterFirstPaint(*this, [this] {
        RUN_NOW_SELECTOR_FRAME->setTitle(QStringLiteral("Run Now Button"));
        setWindowIcon(Picture("app"));
    });
    SHUTDOWN_TICKBOX = MakeTickBox(RUN_NOW_SELECTOR_FRAME, "SHUTDOWN_TICKBOX", QStringLiteral("Shutdown"));
    RESTART_TICKBOX = MakeTickBox(RUN_NOW_SELECTOR_FRAME, "RESTART_TICKBOX", QStringLiteral("Restart"));
    HIBERNATE_TICKBOX = MakeTickBox(RUN_NOW_SELECTOR_FRAME, "HIBERNATE_TICKBOX", QStringLiteral("Hibernate"));
    LOGOFF_TICKBOX = MakeTickBox(RUN_NOW_SELECTOR_FRAME, "LOGOFF_TICKBOX", QStringLiteral("Logoff"));
    ALWAYS_ASK_TICKBOX =
        MakeTickBox(RUN_NOW_SELECTOR_FRAME, "ALWAYS_ASK_TICKBOX", QStringLiteral("Always Ask"));
    SLEEP_TICKBOX = MakeTickBox(RUN_NOW_SELECTOR_FRAME, "SLEEP_TICKBOX", QStringLiteral("Sleep"));
    MY_CMD_TICKBOX = MakeTickBox(RUN_NOW_SELECTOR_FRAME, "MY_CMD_TICKBOX", QStringLiteral("MY CMD"));
    AlwaysOnTop_TICKBOX = MakeTickBox(this, "AlwaysOnTop_TICKBOX", QStringLiteral("Always On Top"));
    AlwaysOnTop_TICKBOX->setValue(1);
    MY_CMD_VISIBLE_TICKBOX = MakeTickBox(this, "MY_CMD_VISIBLE_TICKBOX", QStringLiteral("Run Visible"));
    ACTION_TEXTBOX = MakeLabel(this, "ACTION_TEXTBOX", QStringLiteral("ACTION_TEXTBOX"));
    MS_SHUTDOWN_GUI_RUN_CMD_TB =
        MakeLabel(this, "MS_SHUTDOWN_GUI_RUN_CMD_TB", QStringLiteral("shutdown.exe /i"));
    MY_CMD_TEXTBOX = MakeLabel(this, "MY_CMD_TEXTBOX", QStringLiteral("MY_CMD_TEXTBOX"));
    SM_TB = MakeLabel(this, "SM_TB", QStringLiteral("\""));
    MY_CMD_BUTTON = MakePictureButton(this, "MY_CMD_BUTTON", "my_cmd", QStringLiteral("MY CMD"));
    for (QWidget* hidden : std::initializer_list<QWidget*>{
             RUN_NOW_SELECTOR_FRAME, AlwaysOnTop_TICKBOX, MY_CMD_VISIBLE_TICKBOX, ACTION_TEXTBOX,
             MS_SHUTDOWN_GUI_RUN_CMD_TB, MY_CMD_TEXTBOX, SM_TB, MY_CMD_BUTTON})
        MakeInert(hidden, false);

    AlwaysOnTopTimer = new QTimer(this);
    AlwaysOnTopTimer->setObjectName(QStringLiteral("AlwaysOnTopTimer"));
    AlwaysOnTopTimer->setTimerType(Qt::PreciseTimer);
    TIME_SERVER_AUTOUPDATE_TIMER = new QTimer(this);
    TIME_SERVER_AUTOUPDATE_TIMER->setObjectName(QStringLiteral("TIME_SERVER_AUTOUPDATE_TIMER"));

    connect(ZT_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_MAIN::ZT_BUTTON_Click);
    connect(RUN_NOW_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_MAIN::RUN_NOW_BUTTON_Click);
    connect(POWER_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_MAIN::POWER_BUTTON_Click);
    connect(AUTOTIMER_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_MAIN::AUTOTIMER_BUTTON_Click);
    connect(ZT_SHUTDOWN_GUI_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_MAIN::ZT_SHUTDOWN_GUI_BUTTON_Click);
    connect(MS_SHUTDOWN_GUI_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_MAIN::MS_SHUTDOWN_GUI_BUTTON_Click);
    connect(AlwaysOnTopTimer, &QTimer::timeout, this, &ZT_VOLTRAIL_MAIN::AlwaysOnTopTimer_Timer);
}

void ZT_VOLTRAIL_MAIN::Form_Load()
{
    auto& store = services_.settings;
    store.Refresh();
    RestorePlacement(*this, store, kPrefix, kDefaultPlacement);
    AlwaysOnTop_TICKBOX->setValue(store.LoadTick("AlwaysOnTop_TICKBOX", 1));
    SHUTDOWN_TICKBOX->setValue(store.LoadTick("SHUTDOWN_TICKBOX", 0));
    RESTART_TICKBOX->setValue(store.LoadTick("RESTART_TICKBOX", 0));
    HIBERNATE_TICKBOX->setValue(store.LoadTick("HIBERNATE_TICKBOX", 0));
    LOGOFF_TICKBOX->setValue(store.LoadTick("LOGOFF_TICKBOX", 0));
    ALWAYS_ASK_TICKBOX->setValue(store.LoadTick("ALWAYS_ASK_TICKBOX", 0));
    AlwaysOnTopTimer->setInterval(1000);
    if (AlwaysOnTop_TICKBOX->isTicked())
        AlwaysOnTopTimer->start();
    else
        AlwaysOnTopTimer->stop();
}

void ZT_VOLTRAIL_MAIN::Form_Unload()
{
    auto& store = services_.settings;
    SavePlacement(*this, store, kPrefix);
    store.SaveTick("AlwaysOnTop_TICKBOX", AlwaysOnTop_TICKBOX->value());
    store.Flush();
}

void ZT_VOLTRAIL_MAIN::closeEvent(QCloseEvent* event)
{
    if (!unloaded_) {
        unloaded_ = true;
        AlwaysOnTopTimer->stop();
        Form_Unload();
    }
    event->accept();
    emit unloaded();
}

QString ZT_VOLTRAIL_MAIN::PendingActionLabel() const
{
    return ACTION_TEXTBOX->text();
}

void ZT_VOLTRAIL_MAIN::OpenConfirmActionWindow(QWidget* owner)
{
    ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW window(services_, *this, owner);
    window.ShowModal();
}

void ZT_VOLTRAIL_MAIN::OpenRunOptionWindow()
{
    ZT_VOLTRAIL_RUN_OPTION_WINDOW window(services_, *this);
    window.ShowModal();
}

void ZT_VOLTRAIL_MAIN::ZT_BUTTON_Click()
{
    ZT_VOLTRAIL_ABOUT window(services_, *this);
    window.ShowModal();
}

void ZT_VOLTRAIL_MAIN::RUN_NOW_BUTTON_Click()
{
    // Each box is read only when its turn comes: an earlier window may have
    // changed the choice meanwhile.
    const std::pair<TickBox*, std::string_view> choices[] = {
        {SHUTDOWN_TICKBOX, labels::kShutdown},
        {RESTART_TICKBOX, labels::kRestart},
        {HIBERNATE_TICKBOX, labels::kHibernate},
        {LOGOFF_TICKBOX, labels::kLogoff},
    };
    for (const auto& [box, label] : choices) {
        if (box->isTicked()) {
            ACTION_TEXTBOX->setText(ToQString(label));
            OpenConfirmActionWindow(this);
        }
    }
    if (ALWAYS_ASK_TICKBOX->isTicked())
        OpenRunOptionWindow();
}

void ZT_VOLTRAIL_MAIN::POWER_BUTTON_Click()
{
    OpenRunOptionWindow();
}

void ZT_VOLTRAIL_MAIN::AUTOTIMER_BUTTON_Click()
{
    ZT_VOLTRAIL_AUTOTIMER_WINDOW window(services_, this);
    window.ShowModal();
}

void ZT_VOLTRAIL_MAIN::ZT_SHUTDOWN_GUI_BUTTON_Click()
{
    ZT_VOLTRAIL_SGUI_SIMPLE window(services_, this);
    window.ShowModal();
}

void ZT_VOLTRAIL_MAIN::MS_SHUTDOWN_GUI_BUTTON_Click()
{
    services_.launcher.BeginPress();
    services_.launcher.Launch(MS_SHUTDOWN_GUI_RUN_CMD_TB->text().toStdString(), kStyleNormal);
}

void ZT_VOLTRAIL_MAIN::AlwaysOnTopTimer_Timer()
{
    keeper_.Tick();
}

} // namespace voltrail
