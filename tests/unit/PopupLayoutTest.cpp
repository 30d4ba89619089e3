#include "controls/PopupLayout.h"

#include <gtest/gtest.h>

#include <string_view>

TEST(PopupLayout, ErrorPopupIsSizedToItsText)
{
    constexpr std::u16string_view running = u" 動作中は変更できません。";
    constexpr std::u16string_view hour = u" 時は 23 以下を設定して下さい。";
    constexpr std::u16string_view noTime = u" 時間を設定して下さい。";
    const PopupLayout unit({1.0, 1.0}), mixed({1.25, 1.5});
    EXPECT_EQ(unit.ErrorWidth(running.size()), 138);
    EXPECT_EQ(unit.ErrorWidth(hour.size()), 178);
    EXPECT_EQ(unit.ErrorWidth(noTime.size()), 130);
    EXPECT_EQ(unit.ErrorHeight(), 18);
    EXPECT_EQ(mixed.ErrorWidth(running.size()), 172);  // 172.5
    EXPECT_EQ(mixed.ErrorHeight(), 27);
}
