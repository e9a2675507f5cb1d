#!/bin/sh
# Rebuilds the 32 x 32 PNG window icons in assets/icons. Builds the small Qt
# program scripts/make-icons.cpp in a temporary folder and runs it.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cat >"$work/CMakeLists.txt" <<CMAKE
cmake_minimum_required(VERSION 3.25)
project(make_icons LANGUAGES CXX)
set(CMAKE_CXX_STANDARD 20)
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(make-icons "$here/make-icons.cpp")
target_compile_options(make-icons PRIVATE -Wall -Wextra -Wpedantic)
target_link_libraries(make-icons PRIVATE Qt6::Gui)
CMAKE

cmake -S "$work" -B "$work/build" >/dev/null
cmake --build "$work/build" >/dev/null
mkdir -p "$root/assets/icons"
"$work/build/make-icons" "$root/assets/icons"
echo "icons written to $root/assets/icons"
