#include "button/access_key.h"

namespace tarvenel {

namespace {

bool IsContinuationByte(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::optional<std::string> AccessKeyOf(const std::string& caption) {
    const std::size_t amp = caption.rfind('&');
    if (amp == std::string::npos)
        return std::nullopt;
    std::size_t end = amp + 1;
    if (end < caption.size()) {
        ++end;
        while (end < caption.size() && IsContinuationByte(caption[end]))
            ++end;
    }
    return caption.substr(amp + 1, end - amp - 1);
}

} // namespace tarvenel
