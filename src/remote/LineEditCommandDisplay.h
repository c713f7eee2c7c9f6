#pragma once

#include "remote/CommandDisplay.h"

class QLineEdit;

namespace voltrail {

// A window's read-only command box as the remote rules see it.
class LineEditCommandDisplay final : public CommandDisplay {
public:
    explicit LineEditCommandDisplay(QLineEdit& box) : box_(box) {}

    void SetText(const std::string& text) override;
    std::string Text() const override;

    // Makes a box fit to show any line the rules can compose, so what is read
    // back and started is never a cut-off line.
    static void Prepare(QLineEdit& box);

private:
    QLineEdit& box_;
};

} // namespace voltrail
