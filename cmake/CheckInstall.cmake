# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Installs the build into a scratch prefix and checks that the program, its
# desktop entry, metainfo and icons land where a Linux desktop looks for them.
set(prefix ${BUILD_DIR}/install-check)
file(REMOVE_RECURSE ${prefix})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD_DIR} --prefix ${prefix}
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed")
endif()
foreach(file bin/varnel
             share/applications/org.varnel.Varnel.desktop
             share/metainfo/org.varnel.Varnel.metainfo.xml
             share/icons/hicolor/16x16/apps/org.varnel.Varnel.png
             share/icons/hicolor/32x32/apps/org.varnel.Varnel.png)
    if(NOT EXISTS ${prefix}/${file})
        message(FATAL_ERROR "not installed: ${file}")
    endif()
endforeach()
message(STATUS "installed into ${prefix}")
