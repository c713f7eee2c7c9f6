#include "remote/ZT_VOLTRAIL_SGUI_SIMPLE.h"

#include "remote/LineEditCommandDisplay.h"
#include "remote/RemoteControls.h"
#include "remote/RemoteRow.h"
#include "remote/ZT_VOLTRAIL_SGUI_ADVANCED.h"
#include "ui/Controls.h"
#include "ui/FailureMark.h"
#include "ui/Texts.h"
#include "ui/TickBox.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace voltrail {

using namespace remote_controls;

ZT_VOLTRAIL_SGUI_SIMPLE::ZT_VOLTRAIL_SGUI_SIMPLE(Services& services, QWidget* owner)
    : Form(services, owner, "ZT_VOLTRAIL_SGUI_SIMPLE", QStringLiteral("ZT-VOLTRAIL - SHUTDOWN GUI - SIMPLE"),
           "SGUI_SIM", {1000, 1000, 6450, 3225})
{
    // Client area 6360 x 3150 twips.
    ZT_TITLE_1 =
        PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_1", QLatin1String(texts::kMakerName)), 120, 120, 1935, 375);
    ZT_TITLE_2 = PlaceTwips(MakeTitleLabel(this, "ZT_TITLE_2", QLatin1String(texts::kProductName)), 2160, 120,
                            1575, 375);
    SGUI_SIMPLE_LABEL =
        PlaceTwips(MakeTitleLabel(this, "SGUI_SIMPLE_LABEL", QStringLiteral("SHUTDOWN GUI - SIMPLE")), 3840,
                   120, 2400, 375);

    ALL_CMD_COMMANDS_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "ALL_CMD_COMMANDS_TEXTBOX", QLatin1String(texts::kCommandPlaceholder),
                               QStringLiteral("Command line")),
                   120, 600, 6120, 375);
    LineEditCommandDisplay::Prepare(*ALL_CMD_COMMANDS_TEXTBOX);

    PC_NAME_S_LABEL =
        PlaceTwips(MakeCaption(this, "PC_NAME_S_LABEL", QStringLiteral("PC Name")), 120, 1140, 855, 315);
    PC_NAME_SSS_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "PC_NAME_SSS_TEXTBOX", QString(), QStringLiteral("PC Name")), 1080, 1140,
                   2295, 315);
    SHUTDOWN_TIMEOUT_1_LABEL =
        PlaceTwips(MakeCaption(this, "SHUTDOWN_TIMEOUT_1_LABEL", kTimeOutCaption), 120, 1560, 2175, 255);
    SHUTDOWN_TIMEOUT_2_LABEL =
        PlaceTwips(MakeCaption(this, "SHUTDOWN_TIMEOUT_2_LABEL", kTimeOutHint), 480, 1800, 1815, 255);
    SHUTDOWN_TIMEOUT_TEXTBOX =
        PlaceTwips(MakeTextBox(this, "SHUTDOWN_TIMEOUT_TEXTBOX", QStringLiteral("30"), kTimeOutCaption), 2400,
                   1560, 975, 315);

    SHUTDOWN_SSS_TICKBOX = PlaceTwips(MakeTickBox(this, "SHUTDOWN_SSS_TICKBOX", QStringLiteral("Shutdown")),
                                      120, 2280, 1095, 255);
    RESTART_SSS_TICKBOX = PlaceTwips(MakeTickBox(this, "RESTART_SSS_TICKBOX", QStringLiteral("Restart")),
                                     1320, 2280, 1095, 255);
    FORCE_SSS_TICKBOX =
        PlaceTwips(MakeTickBox(this, "FORCE_SSS_TICKBOX", QStringLiteral("Force")), 2520, 2280, 855, 255);

    // On the right: the taller SGUI Advanced beside Run and Abort, Save and
    // Close along the bottom.
    SGUI_ADVANCED_BUTTON = PlaceTwips(
        MakeButton(this, "SGUI_ADVANCED_BUTTON", QStringLiteral("SGUI Advanced")), 3600, 1140, 1215, 855);
    RUN_SSS_BUTTON =
        PlaceTwips(MakeButton(this, "RUN_SSS_BUTTON", QStringLiteral("Run")), 4920, 1140, 1335, 375);
    ABORT_SSS_BUTTON =
        PlaceTwips(MakeButton(this, "ABORT_SSS_BUTTON", QStringLiteral("Abort")), 4920, 1620, 1335, 375);
    SAVE_BUTTON = PlaceTwips(MakeButton(this, "SAVE_BUTTON", QStringLiteral("Save")), 3600, 2280, 1215, 375);
    CLOSE_BUTTON =
        PlaceTwips(MakeButton(this, "CLOSE_BUTTON", QStringLiteral("Close")), 4920, 2280, 1335, 375);
    SetCloseButton(CLOSE_BUTTON);

    SetTabOrder({PC_NAME_SSS_TEXTBOX, SHUTDOWN_TIMEOUT_TEXTBOX, SHUTDOWN_SSS_TICKBOX, RESTART_SSS_TICKBOX,
                 FORCE_SSS_TICKBOX, RUN_SSS_BUTTON, ABORT_SSS_BUTTON, SGUI_ADVANCED_BUTTON, SAVE_BUTTON,
                 CLOSE_BUTTON, ALL_CMD_COMMANDS_TEXTBOX});
    // The window opens where the tab order starts, not wherever the order
    // of creation would put the focus (the command display).
    PC_NAME_SSS_TEXTBOX->setFocus();

    connect(SHUTDOWN_SSS_TICKBOX, &TickBox::valueChanged, this,
            &ZT_VOLTRAIL_SGUI_SIMPLE::SHUTDOWN_SSS_TICKBOX_Click);
    connect(RESTART_SSS_TICKBOX, &TickBox::valueChanged, this,
            &ZT_VOLTRAIL_SGUI_SIMPLE::RESTART_SSS_TICKBOX_Click);
    connect(RUN_SSS_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_SGUI_SIMPLE::RUN_SSS_BUTTON_Click);
    connect(ABORT_SSS_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_SGUI_SIMPLE::ABORT_SSS_BUTTON_Click);
    connect(SGUI_ADVANCED_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_SGUI_SIMPLE::SGUI_ADVANCED_BUTTON_Click);
    connect(SAVE_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_SGUI_SIMPLE::SAVE_BUTTON_Click);
    connect(CLOSE_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_SGUI_SIMPLE::CLOSE_BUTTON_Click);
}

void ZT_VOLTRAIL_SGUI_SIMPLE::Form_Load()
{
    RestorePlacement();
    PC_NAME_SSS_TEXTBOX->setText(ToQString(settings().LoadText("PC_NAME_SSS_TEXTBOX", "")));
    SHUTDOWN_TIMEOUT_TEXTBOX->setText(ToQString(settings().LoadText("SHUTDOWN_TIMEOUT_TEXTBOX", "30")));
    // Setting a value runs the box's click rule, so a stored tick disables the
    // other box just as a click would.
    SHUTDOWN_SSS_TICKBOX->setValue(settings().LoadTick("SHUTDOWN_SSS_TICKBOX", 0));
    RESTART_SSS_TICKBOX->setValue(settings().LoadTick("RESTART_SSS_TICKBOX", 0));
    FORCE_SSS_TICKBOX->setValue(settings().LoadTick("FORCE_SSS_TICKBOX", 0));
}

void ZT_VOLTRAIL_SGUI_SIMPLE::SHUTDOWN_SSS_TICKBOX_Click()
{
    LockTheUntickedOfShutdownAndRestart();
}

void ZT_VOLTRAIL_SGUI_SIMPLE::RESTART_SSS_TICKBOX_Click()
{
    LockTheUntickedOfShutdownAndRestart();
}

// A ticked box disables the other one, so only one can be ticked from here.
// A box that is itself ticked always stays enabled: a store holding both
// ticks must not open with both locked and impossible to clear.
void ZT_VOLTRAIL_SGUI_SIMPLE::LockTheUntickedOfShutdownAndRestart()
{
    const bool shutdown = SHUTDOWN_SSS_TICKBOX->isTicked();
    const bool restart = RESTART_SSS_TICKBOX->isTicked();
    SHUTDOWN_SSS_TICKBOX->setEnabled(shutdown || !restart);
    RESTART_SSS_TICKBOX->setEnabled(restart || !shutdown);
}

void ZT_VOLTRAIL_SGUI_SIMPLE::RUN_SSS_BUTTON_Click()
{
    LineEditCommandDisplay display(*ALL_CMD_COMMANDS_TEXTBOX);
    const RemoteRow row{PC_NAME_SSS_TEXTBOX->text().toStdString(), SHUTDOWN_SSS_TICKBOX->value(),
                        RESTART_SSS_TICKBOX->value(), FORCE_SSS_TICKBOX->value()};
    failure_mark::Clear(PC_NAME_SSS_TEXTBOX);
    RunRemoteRow(row, SHUTDOWN_TIMEOUT_TEXTBOX->text().toStdString(), display, launcher(),
                 failure_mark::MarkOnFailure(PC_NAME_SSS_TEXTBOX));
}

void ZT_VOLTRAIL_SGUI_SIMPLE::ABORT_SSS_BUTTON_Click()
{
    LineEditCommandDisplay display(*ALL_CMD_COMMANDS_TEXTBOX);
    failure_mark::Clear(PC_NAME_SSS_TEXTBOX);
    AbortRemoteRow(PC_NAME_SSS_TEXTBOX->text().toStdString(), display, launcher(),
                   failure_mark::MarkOnFailure(PC_NAME_SSS_TEXTBOX));
}

void ZT_VOLTRAIL_SGUI_SIMPLE::SGUI_ADVANCED_BUTTON_Click()
{
    ZT_VOLTRAIL_SGUI_ADVANCED console(services(), this);
    console.ShowModal();
}

void ZT_VOLTRAIL_SGUI_SIMPLE::SAVE_BUTTON_Click()
{
    SavePlacement();
    settings().SaveText("PC_NAME_SSS_TEXTBOX", PC_NAME_SSS_TEXTBOX->text().toStdString());
    settings().SaveText("SHUTDOWN_TIMEOUT_TEXTBOX", SHUTDOWN_TIMEOUT_TEXTBOX->text().toStdString());
    settings().SaveTick("SHUTDOWN_SSS_TICKBOX", SHUTDOWN_SSS_TICKBOX->value());
    settings().SaveTick("RESTART_SSS_TICKBOX", RESTART_SSS_TICKBOX->value());
    settings().SaveTick("FORCE_SSS_TICKBOX", FORCE_SSS_TICKBOX->value());
    settings().Flush();
}

void ZT_VOLTRAIL_SGUI_SIMPLE::CLOSE_BUTTON_Click()
{
    SavePlacement();
    close();
}

} // namespace voltrail
