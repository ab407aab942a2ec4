# Everything derived from the tables and pages in data/ is made here, into build/gen/:
# the list files, the Configz files and the compiled help go to gen/dist/ (copied into dist/),
# the built-in catalogue rows to gen/builtin_catalogue_rows.h.
find_package(Python3 REQUIRED COMPONENTS Interpreter)
find_program(CHMCMD chmcmd REQUIRED)

set(QLMR_GEN "${CMAKE_BINARY_DIR}/gen")
set(QLMR_CATALOGUE_ROWS "${QLMR_GEN}/builtin_catalogue_rows.h")
set(QLMR_VITAL_ROWS "${QLMR_GEN}/vital_services_rows.h")
set(gen_scripts "${CMAKE_SOURCE_DIR}/scripts")
set(gen_tables_py "${gen_scripts}/qlmr_tables.py")
set(catalogue_tsv "${CMAKE_SOURCE_DIR}/data/catalogue.tsv")

set(list_files ServicesRealNames-rus.lng.dat ServicesRealNames-eng.lng.dat ServicesSysNames.dat
    ServicesTMNames.dat)
list(TRANSFORM list_files PREPEND "${QLMR_GEN}/dist/")
add_custom_command(
    OUTPUT ${list_files} "${QLMR_CATALOGUE_ROWS}"
    COMMAND Python3::Interpreter "${gen_scripts}/gen-catalogue-data.py" "${QLMR_GEN}/dist" "${QLMR_CATALOGUE_ROWS}"
    DEPENDS "${gen_scripts}/gen-catalogue-data.py" "${gen_tables_py}" "${catalogue_tsv}"
    COMMENT "Writing the service list files")

add_custom_command(
    OUTPUT "${QLMR_VITAL_ROWS}"
    COMMAND Python3::Interpreter "${gen_scripts}/gen-vital-services.py" "${QLMR_VITAL_ROWS}"
    DEPENDS "${gen_scripts}/gen-vital-services.py" "${gen_tables_py}" "${CMAKE_SOURCE_DIR}/data/presets.tsv"
    COMMENT "Writing the vital services")

set(configz_files common.html.reg internet.html.reg gaming.html.reg tweaked.html.reg RusDescription.reg
    dravel.twk)
list(TRANSFORM configz_files PREPEND "${QLMR_GEN}/dist/Configz/")
add_custom_command(
    OUTPUT ${configz_files}
    COMMAND Python3::Interpreter "${gen_scripts}/gen-configz.py" "${QLMR_GEN}/dist/Configz"
    DEPENDS "${gen_scripts}/gen-configz.py" "${gen_tables_py}" "${catalogue_tsv}"
            "${CMAKE_SOURCE_DIR}/data/presets.tsv" "${CMAKE_SOURCE_DIR}/data/preset-descriptions.tsv"
            "${CMAKE_SOURCE_DIR}/data/descriptions-rus.tsv"
    COMMENT "Writing the preset and description files")

file(GLOB_RECURSE help_pages CONFIGURE_DEPENDS "${CMAKE_SOURCE_DIR}/data/help/*")
set(help_projects "${QLMR_GEN}/help/services/services.hhp" "${QLMR_GEN}/help/about/about.hhp")
add_custom_command(
    OUTPUT ${help_projects}
    COMMAND Python3::Interpreter "${gen_scripts}/gen-help.py" "${QLMR_GEN}/help"
    DEPENDS "${gen_scripts}/gen-help.py" "${gen_tables_py}" "${catalogue_tsv}"
            "${CMAKE_SOURCE_DIR}/data/preset-descriptions.tsv" ${help_pages}
    COMMENT "Rendering the help pages")

set(chm_files)
foreach(book services about)
    set(chm "${QLMR_GEN}/dist/${book}.chm")
    add_custom_command(
        OUTPUT "${chm}"
        COMMAND sh -c "\"$1\" ${book}.hhp >/dev/null" sh "${CHMCMD}"
        COMMAND "${CMAKE_COMMAND}" -E copy ${book}.chm "${chm}"
        WORKING_DIRECTORY "${QLMR_GEN}/help/${book}"
        DEPENDS ${help_projects}
        COMMENT "Compiling ${book}.chm"
        VERBATIM)
    list(APPEND chm_files "${chm}")
endforeach()

set(QLMR_GENERATED_DATA ${list_files} ${configz_files} ${chm_files})
