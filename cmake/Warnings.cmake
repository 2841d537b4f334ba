# The warnings every target of ours is built with, treated as errors.
add_library(quor_warnings INTERFACE)
target_compile_options(quor_warnings INTERFACE
    -Wall -Wextra -Wpedantic -Wconversion -Wsign-conversion -Wshadow
    -Wcast-qual -Wold-style-cast -Wnon-virtual-dtor -Werror)
