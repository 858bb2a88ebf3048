find_package(GTest REQUIRED)
include(GoogleTest)

# dravek_test(nombre SOURCES a.cpp b.cpp [LIBS lib...]): one GoogleTest executable,
# its cases registered with ctest one by one. Tests run in their own folder so that
# fixture files are found beside them.
function(dravek_test nombre)
    cmake_parse_arguments(T "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${nombre} ${T_SOURCES})
    target_link_libraries(${nombre} PRIVATE Dravek::core Dravek::apoyo_pruebas GTest::gtest GTest::gtest_main ${T_LIBS})
    target_compile_definitions(${nombre} PRIVATE
        DRAVEK_DATOS_PRUEBA="${CMAKE_CURRENT_SOURCE_DIR}/datos"
        DRAVEK_DATOS_PROGRAMA="${DRAVEK_DATOS_DIR}")
    set_target_properties(${nombre} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    # Each build tree's tests keep their temporary files in its own folder, so that test runs of
    # several trees at once never share a fixed temporary name.
    file(MAKE_DIRECTORY "${CMAKE_BINARY_DIR}/tmp")
    gtest_discover_tests(${nombre} DISCOVERY_TIMEOUT 60 PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen"
        ENVIRONMENT_MODIFICATION "TMPDIR=set:${CMAKE_BINARY_DIR}/tmp")
endfunction()
