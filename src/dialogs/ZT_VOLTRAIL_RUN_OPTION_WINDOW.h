#pragma once

#include "ui/Form.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace voltrail {

class ZT_VOLTRAIL_MAIN;

// Picks one local action on the spot; the confirm window then asks once more.
class ZT_VOLTRAIL_RUN_OPTION_WINDOW : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_RUN_OPTION_WINDOW(Services& services, ZT_VOLTRAIL_MAIN& bar);

    QLineEdit* ZT_TITLE_1_TEXTBOX;
    QLineEdit* ZT_TITLE_2_TEXTBOX;
    QLineEdit* ZT_TITLE_3_TEXTBOX;
    QPushButton* SHUTDOWN_BUTTON;
    QPushButton* RESTART_BUTTON;
    QPushButton* HIBERNATE_BUTTON;
    QPushButton* LOGOFF_BUTTON;
    QPushButton* CANCEL_BUTTON;
    QPushButton* SLEEP_BUTTON;
    QPushButton* MY_CMD_BUTTON;
    QLabel* Label1;
    QLabel* Label2;
    QLabel* Label3;
    QLabel* Label4;
    QLabel* Label5;
    QLabel* Label6;
    QLabel* Label7;

protected:
    void Form_Load() override;

private:
    void PickAction(std::string_view label);
    void CANCEL_BUTTON_Click();

    ZT_VOLTRAIL_MAIN& bar_;
};

} // namespace voltrail
