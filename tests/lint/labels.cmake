# Checks that every test of a build carries exactly one of the labels that
# tests/CMakeLists.txt lists, and that each label a build daemon runs selects
# tests: a property list that swallows LABELS leaves a test out of every run
# by label, with no word said.
#   cmake -DBUILD_DIR=DIR -DCTEST=ctest -DLABELS=unit,gui,... -DRUN=unit,gui -P labels.cmake
cmake_minimum_required(VERSION 3.25)
function(count_tests variable)
    execute_process(COMMAND ${CTEST} -N ${ARGN} WORKING_DIRECTORY ${BUILD_DIR}
                    OUTPUT_VARIABLE listed COMMAND_ERROR_IS_FATAL ANY)
    string(REGEX MATCH "Total Tests: ([0-9]+)" total "${listed}")
    set(${variable} ${CMAKE_MATCH_1} PARENT_SCOPE)
endfunction()
count_tests(all)
set(labelled 0)
string(REPLACE "," ";" LABELS "${LABELS}")
foreach(label IN LISTS LABELS)
    count_tests(n -L "^${label}$")
    math(EXPR labelled "${labelled} + ${n}")
    message(STATUS "${label}: ${n} tests")
    if(n EQUAL 0 AND ",${RUN}," MATCHES ",${label},")
        message(FATAL_ERROR "No test has the label ${label}")
    endif()
endforeach()
if(NOT labelled EQUAL all)
    message(FATAL_ERROR "${all} tests, ${labelled} labels of ${LABELS}: see ctest --print-labels")
endif()
