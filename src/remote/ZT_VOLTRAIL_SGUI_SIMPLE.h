#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltrail {

class TickBox;

// Shuts down, restarts or aborts the shutdown of one computer on the network.
class ZT_VOLTRAIL_SGUI_SIMPLE : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_SGUI_SIMPLE(Services& services, QWidget* owner);

    QLabel* ZT_TITLE_1;
    QLabel* ZT_TITLE_2;
    QLabel* SGUI_SIMPLE_LABEL;
    QLineEdit* ALL_CMD_COMMANDS_TEXTBOX;
    QLabel* PC_NAME_S_LABEL;
    QLineEdit* PC_NAME_SSS_TEXTBOX;
    QLabel* SHUTDOWN_TIMEOUT_1_LABEL;
    QLabel* SHUTDOWN_TIMEOUT_2_LABEL;
    QLineEdit* SHUTDOWN_TIMEOUT_TEXTBOX;
    TickBox* SHUTDOWN_SSS_TICKBOX;
    TickBox* RESTART_SSS_TICKBOX;
    TickBox* FORCE_SSS_TICKBOX;
    QPushButton* RUN_SSS_BUTTON;
    QPushButton* ABORT_SSS_BUTTON;
    QPushButton* SGUI_ADVANCED_BUTTON;
    QPushButton* SAVE_BUTTON;
    QPushButton* CLOSE_BUTTON;

protected:
    void Form_Load() override;

private:
    void SHUTDOWN_SSS_TICKBOX_Click();
    void RESTART_SSS_TICKBOX_Click();
    void LockTheUntickedOfShutdownAndRestart();
    void RUN_SSS_BUTTON_Click();
    void ABORT_SSS_BUTTON_Click();
    void SGUI_ADVANCED_BUTTON_Click();
    void SAVE_BUTTON_Click();
    void CLOSE_BUTTON_Click();
};

} // namespace voltrail
