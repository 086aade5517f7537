# Run by the build (cmake -P) once the rest of the site is in place. Makes a version of the site
# from all its files' contents and writes site_files.js, the version and the bytes of each file the
# page downloads and its size once unpacked (a gzip file's last four bytes hold that), and sw.js,
# the service worker, which names every file of the site and carries the version.
#   cmake -DSITE=folder -DTEMPLATE=service_worker.js.in -DPAGE_FILES=names -DDOWNLOADS=names -P site_files.cmake
# (names relative to SITE, separated by semicolons; the page's files are cached as the worker
# installs, the downloads as the page fetches them.)
set(entries "")
foreach(name ${DOWNLOADS})
  file(SIZE ${SITE}/${name} bytes)
  set(size ${bytes})
  if(name MATCHES "\\.gz$")
    math(EXPR trailer "${bytes} - 4")
    file(READ ${SITE}/${name} hex OFFSET ${trailer} LIMIT 4 HEX)
    string(REGEX REPLACE "(..)(..)(..)(..)" "0x\\4\\3\\2\\1" hex "${hex}")
    math(EXPR size "${hex}")
  endif()
  string(APPEND entries "  '${name}': { bytes: ${bytes}, size: ${size} },\n")
endforeach()

# The version: every file's name and contents (site_files.js only says what they hold already).
set(digest "")
foreach(name ${PAGE_FILES} ${DOWNLOADS})
  file(SHA256 ${SITE}/${name} hash)
  string(APPEND digest "${name} ${hash}\n")
endforeach()
string(SHA256 version "${digest}")
string(SUBSTRING ${version} 0 16 SITE_VERSION)
file(CONFIGURE OUTPUT ${SITE}/site_files.js CONTENT "// Made by the build: the site's version (its service worker's cache is named by it) and each
// file the page downloads, its bytes and its size once unpacked.
export const kSiteVersion = '${SITE_VERSION}';
export const kDownloads = {
${entries}};
")

set(page_files ${PAGE_FILES} site_files.js)
list(TRANSFORM page_files REPLACE "(.+)" "'\\1'")
list(JOIN page_files ", " SITE_PAGE_FILES)
set(downloads ${DOWNLOADS})
list(TRANSFORM downloads REPLACE "(.+)" "'\\1'")
list(JOIN downloads ", " SITE_DOWNLOADS)
configure_file(${TEMPLATE} ${SITE}/sw.js @ONLY)
