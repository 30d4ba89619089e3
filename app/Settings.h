#pragma once
// Where the program keeps its values, and their names and defaults.
#include "res/legal.h"

inline constexpr wchar_t kRegistryCompany[] = L"" HG_COMPANY_NAME;
inline constexpr wchar_t kSettingsSection[] = L"Settings";

inline constexpr wchar_t kAlarmHistoryValue[] = L"a_history";
inline constexpr wchar_t kAlarmStateValue[] = L"a_state";
inline constexpr wchar_t kAlarmTargetValue[] = L"a_target";
inline constexpr wchar_t kTimerHistoryValue[] = L"t_history";
inline constexpr wchar_t kShutdownHistoryValue[] = L"s_history";

// Noon of 1 January 1970, local time: the target when none was ever stored.
inline constexpr wchar_t kDefaultAlarmTarget[] = L"19700101120000";
