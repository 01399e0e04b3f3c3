# The program's own Firebird root, beside the executable (bin/firebird):
# firebird.conf with ServerMode = SuperClassic so several copies of the program
# can open the same files with the embedded engine, a link to the system's
# plugins, the message file, and real copies of the character-set library
# (a linked intl folder makes WIN1252 unavailable).
set(FIREBIRD_SYSTEM_ROOT "/usr/lib/x86_64-linux-gnu/firebird/3.0" CACHE PATH "Installed Firebird 3 root")
set(VANTREL_FIREBIRD_ROOT ${VANTREL_BIN_DIR}/firebird)

add_custom_command(
    OUTPUT ${VANTREL_FIREBIRD_ROOT}/firebird.conf
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VANTREL_FIREBIRD_ROOT}/intl
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_SOURCE_DIR}/src/platform/firebird/firebird.conf ${VANTREL_FIREBIRD_ROOT}/firebird.conf
    COMMAND ${CMAKE_COMMAND} -E copy ${FIREBIRD_SYSTEM_ROOT}/firebird.msg ${VANTREL_FIREBIRD_ROOT}/firebird.msg
    COMMAND ${CMAKE_COMMAND} -E copy ${FIREBIRD_SYSTEM_ROOT}/intl/libfbintl.so ${VANTREL_FIREBIRD_ROOT}/intl/libfbintl.so
    COMMAND ${CMAKE_COMMAND} -E copy ${FIREBIRD_SYSTEM_ROOT}/intl/fbintl.conf ${VANTREL_FIREBIRD_ROOT}/intl/fbintl.conf
    COMMAND ${CMAKE_COMMAND} -E create_symlink ${FIREBIRD_SYSTEM_ROOT}/plugins ${VANTREL_FIREBIRD_ROOT}/plugins
    DEPENDS ${CMAKE_SOURCE_DIR}/src/platform/firebird/firebird.conf
    COMMENT "Preparing the embedded Firebird root")
add_custom_target(firebird_root ALL DEPENDS ${VANTREL_FIREBIRD_ROOT}/firebird.conf)
