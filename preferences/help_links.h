#pragma once
// The quick help and the two web links of the main window.
#include <string>

#include "app/dialogs.h"
#include "preferences/url_opener.h"

namespace tarvenel {

// The quick-help text, ten lines.
std::string HelpText();

class HelpAndLinks {
public:
    HelpAndLinks(Dialogs& dialogs, UrlOpener& urls) : dialogs_(dialogs), urls_(urls) {}
    void Label2_Click(); // quick help
    void Label3_Click(); // product page
    void LbBR_Click();   // maker's home page

private:
    Dialogs& dialogs_;
    UrlOpener& urls_;
};

} // namespace tarvenel
