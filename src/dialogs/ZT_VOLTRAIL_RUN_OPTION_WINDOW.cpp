#include "dialogs/ZT_VOLTRAIL_RUN_OPTION_WINDOW.h"

#include "actions/PowerAction.h"
#include "mainbar/ZT_VOLTRAIL_MAIN.h"
#include "ui/Controls.h"
#include "ui/Texts.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace voltrail {

ZT_VOLTRAIL_RUN_OPTION_WINDOW::ZT_VOLTRAIL_RUN_OPTION_WINDOW(Services& services, ZT_VOLTRAIL_MAIN& bar)
    : Form(services, &bar, "ZT_VOLTRAIL_RUN_OPTION_WINDOW", QStringLiteral("ZT-VOLTRAIL - SELECT OPTION:"),
           "RUN_OPTIONS", {1000, 1000, 4545, 1830}),
      bar_(bar)
{
    ZT_TITLE_1_TEXTBOX = PlaceTwips(
        MakeTitleTextBox(this, "ZT_TITLE_1_TEXTBOX", QLatin1String(texts::kMakerName)), 120, 0, 2055, 285);
    ZT_TITLE_2_TEXTBOX = PlaceTwips(
        MakeTitleTextBox(this, "ZT_TITLE_2_TEXTBOX", QLatin1String(texts::kProductName)), 2280, 0, 2055, 285);

    auto picture = [this](const char* name, const char* picture, const char* caption, int left, int top) {
        auto* button =
            PlaceTwips(MakePictureButton(this, name, picture, QLatin1String(caption), QLatin1String(caption)),
                       left, top, 615, 615);
        button->setIconSize(QSize(32, 32));
        return button;
    };
    SHUTDOWN_BUTTON = picture("SHUTDOWN_BUTTON", "shutdown", "Shutdown", 240, 360);
    RESTART_BUTTON = picture("RESTART_BUTTON", "restart", "Restart", 1080, 360);
    HIBERNATE_BUTTON = picture("HIBERNATE_BUTTON", "hibernate", "Hibernate", 1920, 360);
    LOGOFF_BUTTON = picture("LOGOFF_BUTTON", "logoff", "Logoff", 2760, 360);
    CANCEL_BUTTON = picture("CANCEL_BUTTON", "cancel", "Cancel", 3600, 360);
    SLEEP_BUTTON = picture("SLEEP_BUTTON", "sleep", "Sleep", 120, 2520);
    MY_CMD_BUTTON = picture("MY_CMD_BUTTON", "my_cmd", "MY CMD", 960, 2520);
    SetCloseButton(CANCEL_BUTTON);

    auto caption = [this](const char* name, const char* text, int left, int top, int width) {
        auto* label = PlaceTwips(MakeLabel(this, name, QLatin1String(text)), left, top, width, 255);
        label->setAlignment(Qt::AlignCenter);
        return label;
    };
    Label1 = caption("Label1", "Shutdown", 240, 1080, 735);
    Label2 = caption("Label2", "Restart", 1080, 1080, 615);
    Label4 = caption("Label4", "Hibernate", 1920, 1080, 735);
    Label5 = caption("Label5", "Logoff", 2880, 1080, 495);
    Label6 = caption("Label6", "Cancel", 3600, 1080, 615);
    Label3 = caption("Label3", "Sleep", 240, 3240, 495);
    Label7 = caption("Label7", "MY CMD", 840, 3240, 735);
    ZT_TITLE_3_TEXTBOX = PlaceTwips(
        MakeTitleTextBox(this, "ZT_TITLE_3_TEXTBOX", QLatin1String(texts::kShortName)), 1920, 3000, 855, 285);
    for (QWidget* inert : {static_cast<QWidget*>(SLEEP_BUTTON), static_cast<QWidget*>(MY_CMD_BUTTON),
                           static_cast<QWidget*>(Label3), static_cast<QWidget*>(Label7),
                           static_cast<QWidget*>(ZT_TITLE_3_TEXTBOX)})
        MakeInert(inert, true);

    SetTabOrder({CANCEL_BUTTON, LOGOFF_BUTTON, HIBERNATE_BUTTON, RESTART_BUTTON, SHUTDOWN_BUTTON,
                 ZT_TITLE_1_TEXTBOX, ZT_TITLE_2_TEXTBOX});
    CANCEL_BUTTON->setFocus();

    connect(SHUTDOWN_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kShutdown); });
    connect(RESTART_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kRestart); });
    connect(HIBERNATE_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kHibernate); });
    connect(LOGOFF_BUTTON, &QPushButton::clicked, this, [this] { PickAction(labels::kLogoff); });
    connect(CANCEL_BUTTON, &QPushButton::clicked, this, &ZT_VOLTRAIL_RUN_OPTION_WINDOW::CANCEL_BUTTON_Click);
}

void ZT_VOLTRAIL_RUN_OPTION_WINDOW::Form_Load()
{
    RestorePlacement();
}

// SHUTDOWN_BUTTON_Click and its three siblings: they differ only in the label.
void ZT_VOLTRAIL_RUN_OPTION_WINDOW::PickAction(std::string_view label)
{
    bar_.ACTION_TEXTBOX->setText(ToQString(label));
    bar_.OpenConfirmActionWindow(this);
    // Whatever was answered there, this window is done.
    close();
}

void ZT_VOLTRAIL_RUN_OPTION_WINDOW::CANCEL_BUTTON_Click()
{
    SavePlacement();
    close();
}

} // namespace voltrail
