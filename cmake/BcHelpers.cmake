# bc_add_test(NAME <name> SOURCES <files...> LIBS <targets...>)
# One GoogleTest executable, registered as one ctest test that runs all its
# cases in one process, headless. Starting a Qt process per case cost more than
# the cases themselves (the whole suite: 68 s per case against 11 s per binary
# on two cores); `ctest -R <name>` runs one binary, and the binary's own
# --gtest_filter picks cases.
function(bc_add_test)
  cmake_parse_arguments(T "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE ${T_LIBS} bc_test_main GTest::gtest GTest::gmock)
  set_target_properties(${T_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
  add_test(NAME ${T_NAME} COMMAND ${T_NAME})
  set_tests_properties(${T_NAME} PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
endfunction()

# bc_add_bench(NAME <name> SOURCES <files...> LIBS <targets...>)
function(bc_add_bench)
  cmake_parse_arguments(B "" "NAME" "SOURCES;LIBS" ${ARGN})
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark)
  set_target_properties(${B_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()
