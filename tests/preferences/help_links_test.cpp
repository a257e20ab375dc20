#include <gtest/gtest.h>

#include "support/main_window_harness.h"

namespace tarvenel::test {
namespace {

TEST(HelpLinks, HelpShowsTheTenLinesExactly) {
    MainWindowHarness h;
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h.frm.Label2_Click();
    ASSERT_EQ(h.dialogs.shown.size(), 1u);
    EXPECT_EQ(h.dialogs.shown[0].caption, "Tarvenel 帮助");
    EXPECT_EQ(h.dialogs.shown[0].style, 0x40);
    const std::string expected =
        "一、功能简介：\r\n"
        "预先设定日期和时间，到达预定时间后启动关机模块。\r\n"
        "(注：关机模块为倒计时，可以在10秒钟内取消关机)\r\n"
        "二、操作方法:\r\n"
        "运行程序后，首先选择设定关机时间，然后点击\xE2\x80\x9C确定\xE2\x80\x9D按钮即可。\r\n"
        "(注：程序运行时为最小化图标在任务栏通知区域，点击图标可以恢复窗口状态)\r\n"
        "三、注意事项:\r\n"
        "1、设定的关机时间必须在当前时间30秒以后才能有效。\r\n"
        "2、程序为强制关机，关机时可能无法保存一些正在编辑或运行的文档或数据。\r\n"
        "更多详情请登陆官方网站查询 www.example.org";
    EXPECT_EQ(h.dialogs.shown[0].text, expected);
    // Ten lines, no break after the last.
    std::size_t breaks = 0;
    for (std::size_t at = expected.find("\r\n"); at != std::string::npos;
         at = expected.find("\r\n", at + 2))
        ++breaks;
    EXPECT_EQ(breaks, 9u);
}

TEST(HelpLinks, LinksOpenOurOwnPagesEvenWhileArmed) {
    MainWindowHarness h;
    h.settings.Seed("MsgOK", "0");
    h.LoadAt({2026, 12, 7, 12, 0, 0});
    h["Combo4"].text = "13时";
    h.frm.ArmSchedule();
    ASSERT_TRUE(h.frm.State().IsArmed);
    h.frm.Label3_Click();
    h.frm.LbBR_Click();
    ASSERT_EQ(h.urls.opened.size(), 2u);
    for (const std::string& url : h.urls.opened)
        EXPECT_NE(url.find("example.org"), std::string::npos) << url;
    EXPECT_NE(h.urls.opened[0], h.urls.opened[1]);
    EXPECT_NE(h["LbBR"].text.find("www.example.org"), std::string::npos);
}

} // namespace
} // namespace tarvenel::test
