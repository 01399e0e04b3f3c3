# The report projects (listings, printed and mailed documents) go beside the
# executable, where the print windows look for them.
set(VANTREL_INFORMES Listados.rav ListadosDrelmo.rav)
set(VANTREL_INFORMES_EN_BIN)
foreach(informe ${VANTREL_INFORMES})
    add_custom_command(
        OUTPUT ${VANTREL_BIN_DIR}/${informe}
        COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/reports/${informe} ${VANTREL_BIN_DIR}/${informe}
        DEPENDS ${CMAKE_SOURCE_DIR}/reports/${informe}
        COMMENT "Copying the report project ${informe}")
    list(APPEND VANTREL_INFORMES_EN_BIN ${VANTREL_BIN_DIR}/${informe})
endforeach()
add_custom_target(informes ALL DEPENDS ${VANTREL_INFORMES_EN_BIN})
