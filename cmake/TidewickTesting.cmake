# tidewick_add_test(<name> [WINDOW] <sources>...)
# Builds one QtTest executable against the model's test seams (with WINDOW,
# the window and its support too) and registers it with ctest, running
# offscreen in a UTF-8 locale.
function(tidewick_add_test name)
    cmake_parse_arguments(PARSE_ARGV 1 test "WINDOW" "" "")
    add_executable(${name} ${test_UNPARSED_ARGUMENTS})
    if(test_WINDOW)
        target_link_libraries(${name} PRIVATE tidewick_test_window)
    else()
        target_link_libraries(${name} PRIVATE tidewick_test_seams)
    endif()
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/screens/100.json;LC_ALL=C.UTF-8;LANG=C.UTF-8;TIDEWICK_SOURCE_DIR=${PROJECT_SOURCE_DIR};TIDEWICK_TEST_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
