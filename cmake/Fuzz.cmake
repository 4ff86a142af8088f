# add_fuzz_tests(<project> TARGETS <fuzzers...>)
# Builds the libFuzzer programs of this folder's fuzz/ with clang, in a build of
# their own, and registers each as a test that replays fuzz/corpus/<fuzzer>
# and fuzz/regressions/<fuzzer>, then runs FUZZ_RUNS mutations with a fixed
# seed. Open-ended fuzzing is scripts/fuzz.sh. Without clang++ nothing is added.

set(FUZZ_RUNS 300 CACHE STRING "Fixed-seed mutations each fuzz test runs")
find_program(CLANGXX clang++)
include(ExternalProject)

function(add_fuzz_tests project)
    cmake_parse_arguments(F "" "" "TARGETS" ${ARGN})
    if(NOT CLANGXX)
        return()
    endif()
    ExternalProject_Add(${project}
        SOURCE_DIR ${CMAKE_CURRENT_SOURCE_DIR}/fuzz
        BINARY_DIR ${CMAKE_CURRENT_BINARY_DIR}/fuzz
        CMAKE_ARGS -DCMAKE_CXX_COMPILER=${CLANGXX} -DCMAKE_BUILD_TYPE=RelWithDebInfo
        INSTALL_COMMAND ""
        BUILD_ALWAYS ON)
    foreach(target ${F_TARGETS})
        add_test(NAME ${target}
            COMMAND sh ${CMAKE_SOURCE_DIR}/data/fuzz/run.sh
                ${CMAKE_CURRENT_BINARY_DIR}/fuzz/${target}
                ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/corpus/${target}
                ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/regressions/${target} ${FUZZ_RUNS})
        set_tests_properties(${target} PROPERTIES TIMEOUT 600)
    endforeach()
endfunction()
