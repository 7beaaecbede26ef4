# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Fails when a C++ source of ours differs from what clang-format makes of it.
file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
     ${SOURCE_DIR}/rules/*.cpp ${SOURCE_DIR}/rules/*.h
     ${SOURCE_DIR}/ui/*.cpp ${SOURCE_DIR}/ui/*.h
     ${SOURCE_DIR}/app/*.cpp ${SOURCE_DIR}/app/*.h
     ${SOURCE_DIR}/tools/*.cpp ${SOURCE_DIR}/tools/*.h
     ${SOURCE_DIR}/bench/*.cpp ${SOURCE_DIR}/bench/*.h)
if(NOT sources)
    message(FATAL_ERROR "no sources found under ${SOURCE_DIR}")
endif()
execute_process(COMMAND ${CLANG_FORMAT} --dry-run --Werror ${sources}
                WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE result)
list(LENGTH sources count)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "clang-format: some of the ${count} sources need formatting (run scripts/format.sh)")
endif()
message(STATUS "clang-format: ${count} sources formatted")
