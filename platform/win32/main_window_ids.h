#pragma once
// The main window's control identifiers, shared by its two source files.

namespace tarvenel::win32 {

// Control identifiers: each table's entries in order from its first id.
enum : int {
    kLabel1st = 100,
    kImage1 = 110,
    kImmin,
    kImclose,
    kCombo1 = 120,
    kCheck1 = 130,
    kButton1 = 140
};

// The index of `id` among the N identifiers from `first`, or -1.
template <int N> constexpr int IndexOf(int id, int first) {
    return id >= first && id < first + N ? id - first : -1;
}

} // namespace tarvenel::win32
