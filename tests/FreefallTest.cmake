# freefall_add_coretest(<name> SOURCES ... [LIBRARIES ...]): a doctest program of the core, built
# and run on every platform, with no toolkit.
# freefall_add_qtest(<name> SOURCES ... [LIBRARIES ...]): a Qt Test program run by CTest on the
# offscreen platform, so widget tests need no display.
find_package(doctest 2.4 REQUIRED)

function(freefall_add_coretest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(tst_${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/doctestmain.cpp)
    target_include_directories(tst_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(tst_${name} PRIVATE doctest::doctest freefall_options ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND tst_${name})
endfunction()

function(freefall_add_qtest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(tst_${name} ${T_SOURCES})
    target_link_libraries(tst_${name} PRIVATE Qt6::Test freefall_options ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND tst_${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
endfunction()
