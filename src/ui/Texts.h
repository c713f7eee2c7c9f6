#pragma once

// Constant texts shown by more than one window.
namespace voltrail::texts {
inline constexpr const char* kMakerName = "VOLTRAIL WORKS";
inline constexpr const char* kProductName = "ZT-VOLTRAIL";
inline constexpr const char* kShortName = "ZT-VT";
inline constexpr const char* kCreditLine = "Made by the ZT-VOLTRAIL developers";
inline constexpr const char* kContactAddress = "voltrail@example.org";
inline constexpr const char* kFreewareNotice = "FREEWARE";
inline constexpr const char* kIconCredit = "Icons drawn for ZT-VOLTRAIL";
inline constexpr const char* kCommandPlaceholder = "!!! COMMAND GENERATED AT RUNTIME !!!";
} // namespace voltrail::texts
