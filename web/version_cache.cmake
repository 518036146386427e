# SPDX-License-Identifier: GPL-3.0-or-later
# Names the service worker's cache after a hash of everything it keeps (cmake -P, with PAGE_DIR).
set(hashed "")
foreach(file index.html page.css page.js translations.js morvane.js manifest.webmanifest icon.svg
    icon.png)
  file(SHA256 ${PAGE_DIR}/${file} hash)
  string(APPEND hashed ${hash})
endforeach()
string(SHA256 version "${hashed}")
string(SUBSTRING ${version} 0 16 version)
file(READ ${PAGE_DIR}/service_worker.js worker)
string(REPLACE "@PAGE_VERSION@" ${version} worker "${worker}")
file(WRITE ${PAGE_DIR}/service_worker.js "${worker}")
