# freefall_add_coretest(<name> SOURCES ... [LIBRARIES ...]): a doctest program of the core, built
# and run on every platform, with no toolkit.
# freefall_add_qtest(<name> SOURCES ... [LIBRARIES ...]): a Qt Test program run by CTest on the
# offscreen platform, so widget tests need no display.
if(CMAKE_CROSSCOMPILING)
    # doctest is a single header. The build machine's copy is used, from a directory of its own:
    # the build machine's include directory would put its C library's headers before the
    # target's.
    find_file(FREEFALL_DOCTEST_HEADER doctest/doctest.h PATHS /usr/include /usr/local/include
        NO_CMAKE_FIND_ROOT_PATH REQUIRED)
    configure_file(${FREEFALL_DOCTEST_HEADER} ${CMAKE_BINARY_DIR}/doctest/doctest/doctest.h COPYONLY)
    add_library(doctest::doctest INTERFACE IMPORTED)
    target_include_directories(doctest::doctest SYSTEM INTERFACE ${CMAKE_BINARY_DIR}/doctest)
else()
    find_package(doctest 2.4 REQUIRED)
endif()

function(freefall_add_coretest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(tst_${name} ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/doctestmain.cpp)
    target_include_directories(tst_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(tst_${name} PRIVATE doctest::doctest freefall_options ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND tst_${name})
    if(EMSCRIPTEN)
        # Run by node: the WebAssembly inside the script, where node cannot fail to fetch it.
        # Linked without the optimiser's whole-program passes, which take most of the build.
        target_link_options(tst_${name} PRIVATE -sSINGLE_FILE=1 -sENVIRONMENT=node -O0)
    endif()
    # On Windows, built here and run under Wine (tests/wine/WineTest.cmake).
    if(TARGET freefall_win32program)
        target_link_libraries(tst_${name} PRIVATE freefall_win32program)
        freefall_wine_test_properties(${name})
    endif()
endfunction()

function(freefall_add_qtest name)
    cmake_parse_arguments(T "" "" "SOURCES;LIBRARIES" ${ARGN})
    add_executable(tst_${name} ${T_SOURCES})
    target_link_libraries(tst_${name} PRIVATE Qt6::Test freefall_options ${T_LIBRARIES})
    add_test(NAME ${name} COMMAND tst_${name})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LC_ALL=C")
endfunction()
