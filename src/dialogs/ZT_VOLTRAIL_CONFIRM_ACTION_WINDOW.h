#pragma once

#include "ui/Form.h"

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace voltrail {

class TickBox;
class ZT_VOLTRAIL_MAIN;

// The last step before a local power action: shows the pending label and
// performs it on OK.
class ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_CONFIRM_ACTION_WINDOW(Services& services, ZT_VOLTRAIL_MAIN& bar, QWidget* owner);

    QLineEdit* ZT_TITLE_1_TEXTBOX;
    QLineEdit* ZT_TITLE_3_TEXTBOX;
    QLineEdit* ZT_TITLE_2_TEXTBOX;
    QLineEdit* ACTION_TEXTBOX;
    QPushButton* OK_BUTTON;
    QPushButton* CANCEL_BUTTON;
    QPlainTextEdit* CONFIRM_ACTION_QUESTION_TEXTBOX;
    QLineEdit* MY_CMD_TEXTBOX;
    TickBox* MY_CMD_VISIBLE_TICKBOX;

protected:
    void Form_Load() override;

private:
    void OK_BUTTON_Click();
    void CANCEL_BUTTON_Click();

    ZT_VOLTRAIL_MAIN& bar_;
};

} // namespace voltrail
