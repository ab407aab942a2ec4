# Fills main.ini's @QLMR_VERSION@ and @QLMR_RELEASE_DATE@ in place.
# cmake -DINI=<main.ini> -DVERSION=<version> -DDATE=<dd.mm.yyyy> -P stamp-version.cmake
file(READ "${INI}" text)
if(NOT text MATCHES "VersionInfo=@QLMR_VERSION@" OR NOT text MATCHES "DateRelease=@QLMR_RELEASE_DATE@")
    message(FATAL_ERROR "${INI} has no version placeholders")
endif()
set(QLMR_VERSION "${VERSION}")
set(QLMR_RELEASE_DATE "${DATE}")
string(CONFIGURE "${text}" text @ONLY)
file(WRITE "${INI}" "${text}")
