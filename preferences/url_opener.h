#pragma once
#include <string>

namespace tarvenel {

// Opens a web page in the user's default browser. Failures are not reported:
// a missing browser is the desktop's business.
class UrlOpener {
public:
    virtual ~UrlOpener() = default;
    virtual void Open(const std::string& url) = 0;
};

} // namespace tarvenel
