# tidewick_add_test(<name> <sources>...)
# Builds one QtTest executable against the program's libraries and the test support
# library and registers it with ctest, running offscreen in a UTF-8 locale.
function(tidewick_add_test name)
    add_executable(${name} ${ARGN})
    target_link_libraries(${name} PRIVATE tidewick_test_support Qt6::Test)
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT 120
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen:configfile=${PROJECT_SOURCE_DIR}/tests/support/screens/100.json;LC_ALL=C.UTF-8;LANG=C.UTF-8;TIDEWICK_SOURCE_DIR=${PROJECT_SOURCE_DIR};TIDEWICK_TEST_BINARY_DIR=${PROJECT_BINARY_DIR}")
endfunction()
