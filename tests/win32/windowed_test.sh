#!/usr/bin/env bash
# Runs a test program that opens windows under Wine: in a fresh prefix with
# the forms' fonts, on a virtual display of its own, with a visual theme
# switched on so that what stays classic does so on purpose.
# Usage: windowed_test.sh BUILD_DIR PROGRAM [ARGS...]
BUILD_DIR=$1
PROGRAM=$2
shift 2
source "$(dirname "$0")/wine_env.sh"
trap cleanup EXIT
# One prefix per program and arguments: two CTest entries running the same
# program side by side must not share a Wine session (nor its input).
new_prefix "windowed-$(basename "$PROGRAM" .exe)-$(printf '%s' "$*" | md5sum | cut -c1-8)"
start_display
theme='HKCU\Software\Microsoft\Windows\CurrentVersion\ThemeManager'
limit 30 wine reg add "$theme" /v ThemeActive /t REG_SZ /d 1 /f >/dev/null 2>&1
limit 30 wine reg add "$theme" /v DllName /t REG_SZ \
    /d 'C:\windows\resources\themes\light\light.msstyles' /f >/dev/null 2>&1
limit 30 wine reg add "$theme" /v ColorName /t REG_SZ /d Blue /f >/dev/null 2>&1
limit 30 wine reg add "$theme" /v SizeName /t REG_SZ /d NormalSize /f >/dev/null 2>&1
limit ${WINDOWED_TEST_LIMIT:-240} wine "$PROGRAM" "$@"
