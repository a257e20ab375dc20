#pragma once
// What a fuzz target does when its invariant breaks: say which, then abort,
// so that libFuzzer keeps the input that did it.
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#define FUZZ_CHECK(condition)                                                                      \
    do {                                                                                           \
        if (!(condition)) {                                                                        \
            std::fprintf(stderr, "%s:%d: broken: %s\n", __FILE__, __LINE__, #condition);           \
            std::abort();                                                                          \
        }                                                                                          \
    } while (0)

namespace tarvenel::fuzz {

// The input cut at each line feed: the seeds stay readable text.
inline std::vector<std::string> Lines(const unsigned char* data, std::size_t size) {
    std::vector<std::string> lines(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == '\n')
            lines.emplace_back();
        else
            lines.back() += static_cast<char>(data[i]);
    }
    return lines;
}

} // namespace tarvenel::fuzz
