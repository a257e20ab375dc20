# The main window's title: the program's name and the project's one version.
program_title() {
    local root
    root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
    echo "Tarvenel $(sed -n 's/^project(Tarvenel VERSION \([0-9.]*\).*/\1/p' "$root/CMakeLists.txt")"
}
