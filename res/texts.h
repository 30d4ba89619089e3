// Every text the program shows, in one list that the resource compiler and the C++ code both read.
//
// HG_STRINGS lists the texts the code shows, with their numbers in the string table; the dialog templates and the
// menu name the rest. The texts themselves are HG_JA_<name> in Japanese and HG_EN_<name> in English. "%1" and "%2"
// in a text stand for what the code fills in.
#pragma once

// clang-format off
#define HG_STRINGS(X)             \
    X(ProgramName, 1000)          \
    X(StatusNotSet, 1001)         \
    X(StatusSet, 1002)            \
    X(StatusPaused, 1003)         \
    X(TipAlarm, 1004)             \
    X(TipTimer, 1005)             \
    X(TipCounter, 1006)           \
    X(TipShutdown, 1007)          \
    X(TipPaused, 1008)            \
    X(TipMode, 1009)              \
    X(RefusalWhileRunning, 1010)  \
    X(RefusalHourAbove23, 1011)   \
    X(RefusalNoTime, 1012)        \
    X(WebsiteUnavailable, 1013)   \
    X(TimerNotice, 1014)          \
    X(CounterOverflow, 1015)      \
    X(AlarmNotice, 1016)          \
    X(ModeShutdown, 1017)         \
    X(ModeSleep, 1018)            \
    X(ModeHibernate, 1019)        \
    X(WarningShutdown, 1020)      \
    X(WarningSleep, 1021)         \
    X(WarningHibernate, 1022)     \
    X(ShutdownSkipped, 1023)      \
    X(CouldNotStart, 1024)        \
    X(RefusalNoSleep, 1025)       \
    X(RefusalNoHibernation, 1026) \
    X(ShutdownFailed, 1027)       \
    X(PickerName, 1028)           \
    X(RecentTimes, 1029)          \
    X(SelectorName, 1030)         \
    X(DigitButtonName, 1031)      \
    X(PlaceHoursTens, 1032)       \
    X(PlaceHoursUnits, 1033)      \
    X(PlaceMinutesTens, 1034)     \
    X(PlaceMinutesUnits, 1035)    \
    X(PlaceSecondsTens, 1036)     \
    X(PlaceSecondsUnits, 1037)
// clang-format on

// The texts of the code
#define HG_JA_ProgramName "Hourglade"
#define HG_JA_StatusNotSet "セットされていません。"
#define HG_JA_StatusSet "セットされています。"
#define HG_JA_StatusPaused "セットされていますが、停止してます。"
// The icon's tip: the program's name, then a line for each clock that is set
#define HG_JA_TipAlarm "アラーム　%1"
#define HG_JA_TipTimer "タイマー　%1"
#define HG_JA_TipCounter "カウンター　%1"
#define HG_JA_TipShutdown "電源の遮断　%1"
#define HG_JA_TipPaused "%1（停止中）"
#define HG_JA_TipMode "%1（%2）"
// Refusals in the error popup; each begins with a space that keeps it off the popup's edge
#define HG_JA_RefusalWhileRunning " 動作中は変更できません。"
#define HG_JA_RefusalHourAbove23 " 時は 23 以下を設定して下さい。"
#define HG_JA_RefusalNoTime " 時間を設定して下さい。"
#define HG_JA_WebsiteUnavailable "ウェブサイトが開けません。"
// Notices: the minutes and seconds set; the hour and minute of the alarm
#define HG_JA_TimerNotice "タイマー：　%1 分 %2 秒 経過しました。"
#define HG_JA_CounterOverflow "カウンター：　オーバーフローしました。"
#define HG_JA_AlarmNotice "アラーム：　　%1 時 %2 分 です。"
// The power-off's modes, in the order of the selector's items, and their warnings three minutes before
#define HG_JA_ModeShutdown "シャットダウン"
#define HG_JA_ModeSleep "スリープ"
#define HG_JA_ModeHibernate "休止状態"
#define HG_JA_WarningShutdown "　　3 分以内に電源を遮断します。"
#define HG_JA_WarningSleep "　　3 分以内にスリープします。"
#define HG_JA_WarningHibernate "　　3 分以内に休止状態に入ります。"
// A power-off whose time passed while the computer slept, or while the time jumped past it, is called off
#define HG_JA_ShutdownSkipped "電源の遮断：　時刻を過ぎていたので中止。"
#define HG_JA_CouldNotStart "Hourglade を起動できませんでした。"
// A mode that this computer lacks is refused at Set, like the other refusals; an action that fails is reported
#define HG_JA_RefusalNoSleep " この PC はスリープできません。"
#define HG_JA_RefusalNoHibernation " この PC は休止状態にできません。"
#define HG_JA_ShutdownFailed "電源の遮断：　実行できませんでした。"
// What a screen reader calls the custom-drawn controls, and each digit button: its place in the time, then its digit
#define HG_JA_PickerName "数字の選択"
#define HG_JA_RecentTimes "最近使った時刻"
#define HG_JA_SelectorName "動作"
#define HG_JA_DigitButtonName "%1、%2"
#define HG_JA_PlaceHoursTens "時（十の位）"
#define HG_JA_PlaceHoursUnits "時（一の位）"
#define HG_JA_PlaceMinutesTens "分（十の位）"
#define HG_JA_PlaceMinutesUnits "分（一の位）"
#define HG_JA_PlaceSecondsTens "秒（十の位）"
#define HG_JA_PlaceSecondsUnits "秒（一の位）"

// The texts of the dialog templates and the menu
#define HG_JA_Menu "メニュー"
#define HG_JA_QuickSet "簡易セット"
#define HG_JA_MainPanel "メインパネル"
#define HG_JA_Alarm "アラーム"
#define HG_JA_Timer "タイマー"
#define HG_JA_Counter "カウンター"
#define HG_JA_Shutdown "電源の遮断"
#define HG_JA_Exit "終了"
#define HG_JA_Timer1 "１分タイマー"
#define HG_JA_Timer3 "３分タイマー"
#define HG_JA_Timer5 "５分タイマー"
#define HG_JA_Timer10 "１０分タイマー"
#define HG_JA_StartCounter "カウンターをスタート"
#define HG_JA_Set "セット"
#define HG_JA_Stop "ストップ"
#define HG_JA_Cancel "キャンセル"
#define HG_JA_Ok "OK"
#define HG_JA_Hours "時"
#define HG_JA_Minutes "分"
#define HG_JA_Seconds "秒"
#define HG_JA_Left "残"
#define HG_JA_RemoveFromTray "タスクトレイから削除"
#define HG_JA_Website "Website"
// The version record's description of the program
#define HG_JA_Description "アラーム、タイマー、カウンター、電源の遮断"

// English, for every display language but Japanese; the same names, in the same order.
#define HG_EN_ProgramName "Hourglade"
#define HG_EN_StatusNotSet "Not set."
#define HG_EN_StatusSet "Set."
#define HG_EN_StatusPaused "Set, paused."
#define HG_EN_TipAlarm "Alarm %1"
#define HG_EN_TipTimer "Timer %1"
#define HG_EN_TipCounter "Counter %1"
#define HG_EN_TipShutdown "Power-off %1"
#define HG_EN_TipPaused "%1 (paused)"
#define HG_EN_TipMode "%1 (%2)"
#define HG_EN_RefusalWhileRunning " Cannot be changed while running."
#define HG_EN_RefusalHourAbove23 " Set an hour of 23 or less."
#define HG_EN_RefusalNoTime " Set a time."
#define HG_EN_WebsiteUnavailable "The website could not be opened."
#define HG_EN_TimerNotice "Timer: %1:%2 is up."
#define HG_EN_CounterOverflow "Counter: stopped at 100 minutes."
#define HG_EN_AlarmNotice "Alarm: it is %1:%2."
#define HG_EN_ModeShutdown "Shut down"
#define HG_EN_ModeSleep "Sleep"
#define HG_EN_ModeHibernate "Hibernate"
#define HG_EN_WarningShutdown "Shutting down within 3 minutes."
#define HG_EN_WarningSleep "Going to sleep within 3 minutes."
#define HG_EN_WarningHibernate "Hibernating within 3 minutes."
#define HG_EN_ShutdownSkipped "Power-off skipped: time had passed."
#define HG_EN_CouldNotStart "Hourglade could not start."
#define HG_EN_RefusalNoSleep " This PC cannot sleep."
#define HG_EN_RefusalNoHibernation " This PC cannot hibernate."
#define HG_EN_ShutdownFailed "Power-off could not be carried out."
#define HG_EN_PickerName "Choose a digit"
#define HG_EN_RecentTimes "Recent times"
#define HG_EN_SelectorName "Action"
#define HG_EN_DigitButtonName "%1, %2"
#define HG_EN_PlaceHoursTens "Hours, tens"
#define HG_EN_PlaceHoursUnits "Hours, units"
#define HG_EN_PlaceMinutesTens "Minutes, tens"
#define HG_EN_PlaceMinutesUnits "Minutes, units"
#define HG_EN_PlaceSecondsTens "Seconds, tens"
#define HG_EN_PlaceSecondsUnits "Seconds, units"

#define HG_EN_Menu "Menu"
#define HG_EN_QuickSet "Quick set"
#define HG_EN_MainPanel "Main panel"
#define HG_EN_Alarm "Alarm"
#define HG_EN_Timer "Timer"
#define HG_EN_Counter "Counter"
#define HG_EN_Shutdown "Power-off"
#define HG_EN_Exit "Exit"
#define HG_EN_Timer1 "1-minute timer"
#define HG_EN_Timer3 "3-minute timer"
#define HG_EN_Timer5 "5-minute timer"
#define HG_EN_Timer10 "10-minute timer"
#define HG_EN_StartCounter "Start the counter"
#define HG_EN_Set "Set"
#define HG_EN_Stop "Stop"
#define HG_EN_Cancel "Cancel"
#define HG_EN_Ok "OK"
#define HG_EN_Hours "h"
#define HG_EN_Minutes "m"
#define HG_EN_Seconds "s"
#define HG_EN_Left "Left"
#define HG_EN_RemoveFromTray "Remove from the tray"
#define HG_EN_Website "Website"
#define HG_EN_Description "Alarm, timer, counter, power-off"
