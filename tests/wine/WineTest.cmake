# Windows tests of a cross build run under Wine, in one throwaway prefix that the fixture
# wine_prefix creates before the first of them and removes after the last.
# freefall_add_winetest(<name> SOURCES ... [LIBRARIES ...] [ENVIRONMENT ...] [DISPLAY] [MANIFEST]
#                       [WRAPPER script]):
# a doctest program run under Wine; DISPLAY marks a test that opens windows (skipped without an
# X display), MANIFEST gives it the program's manifest (common controls 6), WRAPPER runs it as
# "script STATEFILE wine-run.sh... program" to prepare the prefix first.
#
# Wine takes the user's locale from LC_ALL when a program starts and writes its settings into
# the prefix's registry, where every other running program reads them: so each test names its
# locale in FREEFALL_WINE_LOCALE (en_US unless it says otherwise; wine-run.sh makes it LC_ALL)
# and the tests run one at a time (wine_prefix_lock).
set(FREEFALL_WINE_LOCK wine_prefix_lock)
set(FREEFALL_WINE_STATE ${CMAKE_BINARY_DIR}/wine-prefix.path)
set(FREEFALL_WINE_RUN ${CMAKE_CURRENT_LIST_DIR}/wine-run.sh ${FREEFALL_WINE_STATE})

add_test(NAME wine_prefix_setup
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/prefix-setup.sh ${FREEFALL_WINE_STATE})
add_test(NAME wine_prefix_cleanup
    COMMAND ${CMAKE_CURRENT_LIST_DIR}/prefix-cleanup.sh ${FREEFALL_WINE_STATE})
set_tests_properties(wine_prefix_setup PROPERTIES FIXTURES_SETUP wine_prefix)
set_tests_properties(wine_prefix_cleanup PROPERTIES FIXTURES_CLEANUP wine_prefix)

# Test programs built from here on run through Wine in that prefix.
set(CMAKE_CROSSCOMPILING_EMULATOR ${FREEFALL_WINE_RUN})

function(freefall_add_winetest name)
    cmake_parse_arguments(T "DISPLAY;MANIFEST" "WRAPPER" "SOURCES;LIBRARIES;ENVIRONMENT" ${ARGN})
    set(sources ${T_SOURCES} ${PROJECT_SOURCE_DIR}/tests/support/doctestmain.cpp)
    if(T_MANIFEST)
        list(APPEND sources ${PROJECT_SOURCE_DIR}/tests/wine/testmanifest.rc)
    endif()
    add_executable(tst_${name} ${sources})
    target_include_directories(tst_${name} PRIVATE ${PROJECT_SOURCE_DIR}/tests/support)
    target_link_libraries(tst_${name} PRIVATE doctest::doctest freefall_options
        freefall_win32program ${T_LIBRARIES})
    if(T_WRAPPER)
        add_test(NAME ${name} COMMAND ${T_WRAPPER} ${FREEFALL_WINE_STATE} ${FREEFALL_WINE_RUN}
            $<TARGET_FILE:tst_${name}>)
    elseif(T_DISPLAY)
        add_test(NAME ${name} COMMAND ${FREEFALL_WINE_RUN} --needs-display $<TARGET_FILE:tst_${name}>)
        set_tests_properties(${name} PROPERTIES SKIP_RETURN_CODE 77)
    else()
        add_test(NAME ${name} COMMAND tst_${name})
    endif()
    freefall_wine_test_properties(${name} ${T_ENVIRONMENT})
endfunction()

# The prefix, the lock and the locale of a test run under Wine; ENVIRONMENT entries follow.
function(freefall_wine_test_properties name)
    set(environment FREEFALL_WINE_LOCALE=en_US.UTF-8 ${ARGN})
    set_tests_properties(${name} PROPERTIES FIXTURES_REQUIRED wine_prefix
        RESOURCE_LOCK ${FREEFALL_WINE_LOCK} ENVIRONMENT "${environment}")
endfunction()
