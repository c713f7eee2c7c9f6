#pragma once

#include "ui/Form.h"

namespace voltrail {

// Performs one local action when a typed countdown reaches zero.
class ZT_VOLTRAIL_AUTOTIMER_WINDOW : public Form {
    Q_OBJECT
public:
    ZT_VOLTRAIL_AUTOTIMER_WINDOW(Services& services, QWidget* owner);

protected:
    void Form_Load() override;
};

} // namespace voltrail
