# Fails when any of our C++ files differs from what clang-format makes of it.
# Usage: cmake -DCLANG_FORMAT=... -DSOURCE_DIR=... -P CheckFormat.cmake
file(GLOB_RECURSE files
    "${SOURCE_DIR}/source/*.h" "${SOURCE_DIR}/source/*.cpp"
    "${SOURCE_DIR}/tests/*.h" "${SOURCE_DIR}/tests/*.cpp"
    "${SOURCE_DIR}/benchmarks/*.cpp"
    "${SOURCE_DIR}/tools/*.h" "${SOURCE_DIR}/tools/*.cpp")

execute_process(
    COMMAND "${CLANG_FORMAT}" --dry-run --Werror ${files}
    WORKING_DIRECTORY "${SOURCE_DIR}"
    RESULT_VARIABLE result)

if(NOT result EQUAL 0)
    message(FATAL_ERROR "Some files are not formatted: run clang-format -i on them (see .clang-format).")
endif()
