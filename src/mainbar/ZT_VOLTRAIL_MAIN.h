#pragma once

#include "mainbar/AlwaysOnTopKeeper.h"
#include "ui/Services.h"

#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QTimer;

namespace voltrail {

class TickBox;

// The start-up window: a fixed tool window with one row of six picture
// buttons. Its hidden controls are the state the other windows share, and
// they read and write them directly.
class ZT_VOLTRAIL_MAIN : public QWidget {
    Q_OBJECT
public:
    explicit ZT_VOLTRAIL_MAIN(Services& services);

    void Form_Load();

    // The bar.
    QPushButton* ZT_BUTTON;
    QPushButton* RUN_NOW_BUTTON;
    QPushButton* POWER_BUTTON;
    QPushButton* AUTOTIMER_BUTTON;
    QPushButton* ZT_SHUTDOWN_GUI_BUTTON;
    QPushButton* MS_SHUTDOWN_GUI_BUTTON;

    // Hidden state: the RUN NOW choice, the always-on-top flag and its timer,
    // the label of the action waiting for confirmation.
    TickBox* SHUTDOWN_TICKBOX;
    TickBox* RESTART_TICKBOX;
    TickBox* HIBERNATE_TICKBOX;
    TickBox* LOGOFF_TICKBOX;
    TickBox* ALWAYS_ASK_TICKBOX;
    TickBox* AlwaysOnTop_TICKBOX;
    QLabel* ACTION_TEXTBOX; // hidden text boxes: see the constructor
    QLabel* MS_SHUTDOWN_GUI_RUN_CMD_TB;
    QTimer* AlwaysOnTopTimer;

    // Hidden controls with no behaviour.
    TickBox* SLEEP_TICKBOX;
    TickBox* MY_CMD_TICKBOX;
    TickBox* MY_CMD_VISIBLE_TICKBOX;
    QLabel* MY_CMD_TEXTBOX;
    QLabel* SM_TB;
    QPushButton* MY_CMD_BUTTON;
    QGroupBox* RUN_NOW_SELECTOR_FRAME;
    QTimer* TIME_SERVER_AUTOUPDATE_TIMER;

    // The label the confirm window will ask about.
    QString PendingActionLabel() const;

    // Opens the confirm window for the current pending label, owned by owner.
    void OpenConfirmActionWindow(QWidget* owner);

signals:
    // After the unload step: the process ends here.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void Form_Unload();
    void ZT_BUTTON_Click();
    void RUN_NOW_BUTTON_Click();
    void POWER_BUTTON_Click();
    void AUTOTIMER_BUTTON_Click();
    void ZT_SHUTDOWN_GUI_BUTTON_Click();
    void MS_SHUTDOWN_GUI_BUTTON_Click();
    void AlwaysOnTopTimer_Timer();
    void OpenRunOptionWindow();

    Services& services_;
    AlwaysOnTopKeeper keeper_;
    bool unloaded_ = false;
};

} // namespace voltrail
