#include "app/accessible.h"

namespace tarvenel {

std::string AccessibleNameOf(std::string_view caption) {
    std::string name;
    name.reserve(caption.size());
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == '&') {
            if (i + 1 == caption.size())
                break; // a lone "&" at the end shows nothing
            ++i;       // "&&" keeps the second one
        } else if (caption.compare(i, 2, "||") == 0) {
            name += ' ';
            ++i;
            continue;
        }
        name += caption[i];
    }
    return name;
}

} // namespace tarvenel
