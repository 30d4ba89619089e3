#pragma once
// The fixed texts the program shows from its code; the dialog templates hold the rest.

// Status lines of the main panel
inline constexpr wchar_t kStatusNotSet[] = L"セットされていません。";
inline constexpr wchar_t kStatusSet[] = L"セットされています。";
inline constexpr wchar_t kStatusPaused[] = L"セットされていますが、停止してます。";

// Tip of the notification-area icon: the program's name, then a line for each clock that is set
inline constexpr wchar_t kTrayTip[] = L"Hourglade";
inline constexpr wchar_t kTipAlarm[] = L"アラーム　";
inline constexpr wchar_t kTipTimer[] = L"タイマー　";
inline constexpr wchar_t kTipCounter[] = L"カウンター　";
inline constexpr wchar_t kTipShutdown[] = L"電源の遮断　";
inline constexpr wchar_t kTipPaused[] = L"（停止中）";
inline constexpr wchar_t kTipModeOpen[] = L"（";
inline constexpr wchar_t kTipModeClose[] = L"）";

// Refusals, shown in the error popup; each begins with a space that keeps it off the popup's edge
inline constexpr wchar_t kRefusalWhileRunning[] = L" 動作中は変更できません。";
inline constexpr wchar_t kRefusalHourAbove23[] = L" 時は 23 以下を設定して下さい。";
inline constexpr wchar_t kRefusalNoTime[] = L" 時間を設定して下さい。";

inline constexpr wchar_t kWebsiteUnavailable[] = L"ウェブサイトが開けません。";

inline constexpr wchar_t kCounterOverflowNotice[] = L"カウンター：　オーバーフローしました。";
// A power-off whose time passed while the computer slept, or the clock jumped past it, is called off.
inline constexpr wchar_t kShutdownSkippedNotice[] = L"電源の遮断：　時刻を過ぎていたので中止。";

// The timer's notice: head, minute digits, kTimerNoticeMinutes, second digits, kTimerNoticeSeconds
inline constexpr wchar_t kTimerNoticeHead[] = L"タイマー：　";
inline constexpr wchar_t kTimerNoticeMinutes[] = L" 分 ";
inline constexpr wchar_t kTimerNoticeSeconds[] = L" 秒 経過しました。";

// The alarm's notice: head, hour digits, kAlarmNoticeHours, minute digits, kAlarmNoticeMinutes
inline constexpr wchar_t kAlarmNoticeHead[] = L"アラーム：　　";
inline constexpr wchar_t kAlarmNoticeHours[] = L" 時 ";
inline constexpr wchar_t kAlarmNoticeMinutes[] = L" 分 です。";

// Power-off modes, in the order of the selector's items, and their warnings three minutes before
inline constexpr wchar_t kShutdownModeShutdown[] = L"シャットダウン";
inline constexpr wchar_t kShutdownModeSleep[] = L"スリープ";
inline constexpr wchar_t kShutdownModeHibernate[] = L"休止状態";
inline constexpr wchar_t kShutdownWarningShutdown[] = L"　　3 分以内に電源を遮断します。";
inline constexpr wchar_t kShutdownWarningSleep[] = L"　　3 分以内にスリープします。";
inline constexpr wchar_t kShutdownWarningHibernate[] = L"　　3 分以内に休止状態に入ります。";
