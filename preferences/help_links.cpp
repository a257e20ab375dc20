// The quick-help text and the two web links of the main window.
#include "preferences/help_links.h"

#include "app/version.h"
#include "preferences/links.h"

namespace tarvenel {

std::string HelpText() {
    return std::string("一、功能简介：\r\n"
                       "预先设定日期和时间，到达预定时间后启动关机模块。\r\n"
                       "(注：关机模块为倒计时，可以在10秒钟内取消关机)\r\n"
                       "二、操作方法:\r\n"
                       "运行程序后，首先选择设定关机时间，然后点击“确定”按钮即可。\r\n"
                       "(注：程序运行时为最小化图标在任务栏通知区域，点击图标可以恢复窗口状态)\r\n"
                       "三、注意事项:\r\n"
                       "1、设定的关机时间必须在当前时间30秒以后才能有效。\r\n"
                       "2、程序为强制关机，关机时可能无法保存一些正在编辑或运行的文档或数据。\r\n"
                       "更多详情请登陆官方网站查询 ") +
           kMakerSiteName;
}

void HelpAndLinks::Label2_Click() {
    dialogs_.MessageBox(HelpText(), mb::kIconInformation, std::string(kAppTitle) + " 帮助");
}

void HelpAndLinks::Label3_Click() {
    urls_.Open(kProductPageUrl);
}

void HelpAndLinks::LbBR_Click() {
    urls_.Open(kMakerHomeUrl);
}

} // namespace tarvenel
