#include "dialogs/ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW.h"

#include "actions/PowerAction.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "ui/Controls.h"
#include "ui/Texts.h"
#include "ui/TickBox.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace voltrail {

ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW::ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW(Services& services,
                                                                     ZT_VOLTRAIL_MAIN& bar, QWidget* owner)
    : Form(services, owner, "ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW",
           QStringLiteral("ZT-VOLTRAIL - !!! CONFIRM ACTION !!!"), "ACTION_WINDOW", {1000, 1000, 5160, 3210}),
      bar_(bar)
{
    ZT_TITLE_1_TEXTBOX = PlaceTwips(
        MakeTitleTextBox(this, "ZT_TITLE_1_TEXTBOX", QLatin1String(texts::kMakerName)), 120, 0, 1815, 285);
    ZT_TITLE_3_TEXTBOX = PlaceTwips(
        MakeTitleTextBox(this, "ZT_TITLE_3_TEXTBOX", QLatin1String(texts::kShortName)), 2040, 0, 855, 285);
    ZT_TITLE_2_TEXTBOX = PlaceTwips(
        MakeTitleTextBox(this, "ZT_TITLE_2_TEXTBOX", QLatin1String(texts::kProductName)), 3000, 0, 1935, 285);

    ACTION_TEXTBOX = PlaceTwips(
        MakeTextBox(this, "ACTION_TEXTBOX", QStringLiteral("ACTION_TEXTBOX"), QStringLiteral("Action")), 240,
        360, 4575, 375);
    ACTION_TEXTBOX->setReadOnly(true);
    ACTION_TEXTBOX->setAlignment(Qt::AlignCenter);
    ACTION_TEXTBOX->setStyleSheet(
        QStringLiteral("background-color: red; color: cyan; font-weight: bold; font-size: 14pt;"));

    OK_BUTTON = PlaceTwips(MakeButton(this, "OK_BUTTON", QStringLiteral("OK")), 840, 960, 1335, 975);
    OK_BUTTON->setIcon(Picture("ok"));
    OK_BUTTON->setIconSize(QSize(32, 32));
    CANCEL_BUTTON =
        PlaceTwips(MakeButton(this, "CANCEL_BUTTON", QStringLiteral("Cancel")), 2760, 960, 1335, 975);
    CANCEL_BUTTON->setIcon(Picture("cancel"));
    CANCEL_BUTTON->setIconSize(QSize(32, 32));
    SetCloseButton(CANCEL_BUTTON);

    CONFIRM_ACTION_QUESTION_TEXTBOX = PlaceTwips(new QPlainTextEdit(this), 240, 2160, 4575, 405);
    CONFIRM_ACTION_QUESTION_TEXTBOX->setObjectName(QStringLiteral("CONFIRM_ACTION_QUESTION_TEXTBOX"));
    CONFIRM_ACTION_QUESTION_TEXTBOX->setReadOnly(true);
    CONFIRM_ACTION_QUESTION_TEXTBOX->setAccessibleName(QStringLiteral("!!! CONFIRM ACTION !!!"));
    CONFIRM_ACTION_QUESTION_TEXTBOX->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CONFIRM_ACTION_QUESTION_TEXTBOX->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    CONFIRM_ACTION_QUESTION_TEXTBOX->setStyleSheet(
        QStringLiteral("background-color: #ffb0b0; font-weight: bold; font-size: 12pt;"));
    // A plain text box has no alignment property: centre through its document.
    CONFIRM_ACTION_QUESTION_TEXTBOX->document()->setDefaultTextOption(QTextOption(Qt::AlignCenter));
    CONFIRM_ACTION_QUESTION_TEXTBOX->setPlainText(QStringLiteral("!!! CONFIRM ACTION !!!\n"));

    MY_CMD_TEXTBOX = PlaceTwips(MakeTextBox(this, "MY_CMD_TEXTBOX", QStringLiteral("MY_CMD_TEXTBOX")), 600,
                                2880, 2415, 375);
    MY_CMD_VISIBLE_TICKBOX = PlaceTwips(
        MakeTickBox(this, "MY_CMD_VISIBLE_TICKBOX", QStringLiteral("Run Visible")), 3360, 3120, 1215, 255);
    MY_CMD_VISIBLE_TICKBOX->setValue(1);
    MakeInert(MY_CMD_TEXTBOX, false);
    MakeInert(MY_CMD_VISIBLE_TICKBOX, false);

    SetTabOrder({CANCEL_BUTTON, OK_BUTTON, ZT_TITLE_1_TEXTBOX, ZT_TITLE_2_TEXTBOX, ZT_TITLE_3_TEXTBOX,
                 ACTION_TEXTBOX, CONFIRM_ACTION_QUESTION_TEXTBOX});
    CANCEL_BUTTON->setFocus();

    connect(OK_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW::OK_BUTTON_Click);
    connect(CANCEL_BUTTON, &QPushButton::clicked, this,
            &ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW::CANCEL_BUTTON_Click);
}

void ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW::Form_Load()
{
    RestorePlacement();
    // Copied once: later changes to the pending label do not reach this window.
    ACTION_TEXTBOX->setText(bar_.PendingActionLabel());
}

void ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW::OK_BUTTON_Click()
{
    if (PerformLocalAction(ACTION_TEXTBOX->text().toStdString(), launcher()))
        close();
}

void ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW::CANCEL_BUTTON_Click()
{
    SavePlacement();
    close();
}

} // namespace voltrail
