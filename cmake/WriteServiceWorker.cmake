# SPDX-FileCopyrightText: 2026 The Varnel developers
# SPDX-License-Identifier: MIT
# Writes the page's service worker, DIR/sw.js, from TEMPLATE: its version is a
# hash of the FILES it keeps (names relative to DIR, separated by spaces), so
# that any change to them makes a new worker with a cache of its own. Nothing
# in it depends on the time or on the build's path.
#   cmake -DDIR=... -DTEMPLATE=.../ui/web/sw.js "-DFILES=index.html ..." -P WriteServiceWorker.cmake
separate_arguments(FILES)
set(sums "")
foreach(file IN LISTS FILES)
    if(NOT EXISTS ${DIR}/${file})
        message(FATAL_ERROR "The service worker would keep ${DIR}/${file}, which is missing")
    endif()
    file(SHA256 ${DIR}/${file} sum)
    string(APPEND sums "${sum}  ${file}\n")
endforeach()
string(SHA256 version "${sums}")
string(SUBSTRING ${version} 0 16 VARNEL_VERSION)
# The folder's own address, where the installed app starts, is index.html too.
list(JOIN FILES " " VARNEL_FILES)
set(VARNEL_FILES "./ ${VARNEL_FILES}")
configure_file(${TEMPLATE} ${DIR}/sw.js @ONLY)
