#pragma once

#include "mainbar/WindowStacking.h"

#include <memory>

namespace voltrail {

// The stacking backend for the window system the program runs on.
std::unique_ptr<WindowStacking> MakeWindowStacking();

} // namespace voltrail
