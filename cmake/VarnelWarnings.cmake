# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# The warnings every target of ours is built with.
function(varnel_warnings target)
    if(MSVC)
        target_compile_options(${target} PRIVATE /W4 /permissive-)
        if(VARNEL_WERROR)
            target_compile_options(${target} PRIVATE /WX)
        endif()
    else()
        target_compile_options(${target} PRIVATE
            -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wsign-conversion -Wold-style-cast
            -Wnon-virtual-dtor -Woverloaded-virtual -Wnull-dereference -Wimplicit-fallthrough
            -Wformat=2 -Wcast-qual -Wundef)
        if(VARNEL_WERROR)
            target_compile_options(${target} PRIVATE -Werror)
        endif()
    endif()
endfunction()

# The program's own code neither throws nor catches: a square that cannot be
# read or set is a value it passes up. Built without exceptions, it cannot
# start to, and the page's program carries no exception support at all. The
# tools and tests keep what they use.
function(varnel_without_exceptions target)
    if(NOT MSVC)
        target_compile_options(${target} PRIVATE -fno-exceptions)
    endif()
endfunction()
