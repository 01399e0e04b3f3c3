# vantrel_add_test(name SOURCES a.cpp b.cpp LIBS lib...)
# One QtTest executable per test file group, run headless by ctest.
function(vantrel_add_test name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE Qt6::Test ${T_LIBS} vantrel_testsupport)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    add_dependencies(${name} firebird_root)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;VANTREL_FIREBIRD_ROOT=${VANTREL_FIREBIRD_ROOT}/"
        TIMEOUT 600)
endfunction()
