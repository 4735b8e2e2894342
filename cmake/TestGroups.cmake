# ctest runs a test program once per registered test. Under the sanitizers a start costs
# about a tenth of a second, which one process per test case made most of the suite's
# time, so each suite's cases run in groups: one ctest entry per group of up to
# MOUSECFG_TEST_GROUP_SIZE cases, named "Suite" or "Suite (2/3)". gtest's own output
# still names every case and its time.
set(MOUSECFG_TEST_GROUP_SIZE 8 CACHE STRING "Test cases of one suite run by one ctest entry")

# GROUP_SIZE overrides the size for one program (1 for cases that each take long).
function(mousecfg_add_test_groups target)
  cmake_parse_arguments(PARSE_ARGV 1 ARG "" "GROUP_SIZE" "")
  set(group_size ${MOUSECFG_TEST_GROUP_SIZE})
  if(ARG_GROUP_SIZE)
    set(group_size ${ARG_GROUP_SIZE})
  endif()
  set(groups_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_groups.cmake")
  set(include_file "${CMAKE_CURRENT_BINARY_DIR}/${target}_include.cmake")
  add_custom_command(TARGET ${target} POST_BUILD
    COMMAND ${CMAKE_COMMAND}
            -DTEST_PROGRAM=$<TARGET_FILE:${target}>
            -DGROUPS_FILE=${groups_file}
            -DGROUP_SIZE=${group_size}
            -P ${PROJECT_SOURCE_DIR}/cmake/ListTestGroups.cmake
    BYPRODUCTS ${groups_file}
    VERBATIM)
  file(WRITE "${include_file}"
    "if(EXISTS \"${groups_file}\")\n"
    "  include(\"${groups_file}\")\n"
    "else()\n"
    "  add_test(${target}_NOT_BUILT ${target}_NOT_BUILT)\n"
    "endif()\n")
  set_property(DIRECTORY APPEND PROPERTY TEST_INCLUDE_FILES "${include_file}")
endfunction()
