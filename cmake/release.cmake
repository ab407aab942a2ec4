# The release: main.ini stamped with the version, and build/quillmere-<version>.zip (the program
# folder with a stripped exe and a README.txt for Windows users) with its SHA-256 file beside it.
set(QLMR_VERSION "${PROJECT_VERSION}")
set(QLMR_RELEASE_NAME "quillmere-${QLMR_VERSION}")
set(QLMR_RELEASE_ZIP "${CMAKE_BINARY_DIR}/${QLMR_RELEASE_NAME}.zip")
set(QLMR_RELEASE_EXE "${CMAKE_BINARY_DIR}/release/${QLMR_RELEASE_NAME}/quillmere.exe")

# main.ini carries placeholders for the version and the release date, filled in dist/.
add_custom_command(TARGET qlmr_dist POST_BUILD
    COMMAND "${CMAKE_COMMAND}" -DINI=${QLMR_DIST}/main.ini -DVERSION=${QLMR_VERSION}
            -DDATE=${QLMR_RELEASE_DATE} -P "${CMAKE_SOURCE_DIR}/cmake/stamp-version.cmake"
    VERBATIM)

# Outside a git checkout the archive's entries are dated the release day (else the commit's time).
string(REGEX REPLACE "^([0-9][0-9])\\.([0-9][0-9])\\.([0-9][0-9][0-9][0-9])$" "\\3-\\2-\\1"
       QLMR_RELEASE_DAY "${QLMR_RELEASE_DATE}")
configure_file(cmake/release-readme.txt.in "${CMAKE_BINARY_DIR}/generated/README.txt" @ONLY NEWLINE_STYLE CRLF)
add_custom_target(qlmr_release ALL
    COMMAND "${CMAKE_SOURCE_DIR}/scripts/make-release.sh" "${QLMR_DIST}" "${CMAKE_BINARY_DIR}"
            "${QLMR_RELEASE_NAME}" "${CMAKE_BINARY_DIR}/generated/README.txt" "${CMAKE_STRIP}"
            "${QLMR_RELEASE_DAY}"
    BYPRODUCTS "${QLMR_RELEASE_ZIP}" "${QLMR_RELEASE_ZIP}.sha256" "${QLMR_RELEASE_EXE}"
    COMMENT "Packing ${QLMR_RELEASE_NAME}.zip"
    VERBATIM)
add_dependencies(qlmr_release qlmr_dist)
