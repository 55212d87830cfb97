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

# bc_add_bench(NAME <name> SOURCES <files...> LIBS <targets...> [QT_MAIN])
# QT_MAIN: the shared main with a widget application (bench/bench_main_qt.cpp).
function(bc_add_bench)
  cmake_parse_arguments(B "QT_MAIN" "NAME" "SOURCES;LIBS" ${ARGN})
  if(B_QT_MAIN)
    list(APPEND B_SOURCES ${CMAKE_SOURCE_DIR}/bench/bench_main_qt.cpp)
    list(APPEND B_LIBS Qt6::Widgets)
  endif()
  add_executable(${B_NAME} ${B_SOURCES})
  target_link_libraries(${B_NAME} PRIVATE ${B_LIBS} benchmark::benchmark)
  set_target_properties(${B_NAME} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# Unity builds: each listed target compiles its sources a few files at a time
# as one translation unit, so Qt's headers are parsed once per batch instead of
# once per file (the platform libraries: 164 s of compiler time down to 63 s).
# A target belongs here only while its files share no file-local names (two
# files each with their own anonymous `Current`, say, cannot be batched);
# -DBC_UNITY_BUILD=OFF compiles everything file by file.
option(BC_UNITY_BUILD "Compile the listed targets as unity builds" ON)
function(bc_apply_unity_builds)
  if(NOT BC_UNITY_BUILD)
    return()
  endif()
  foreach(t platform_core platform_gui platform_filedialog platform_filegroup
            platform_glidetabs_control platform_grid platform_grid_core platform_gridcontrols platform_text
            toolkit_aadraw toolkit_grid toolkit_maskedit toolkit_panels toolkit_canvas
            bc_catalog bc_fxbutton bc_glidetabs bc_grid_base bc_grid_controls
            bc_grid_markup bc_image bc_text bc_workspace bc_test_main
            test_catalog test_controls_button test_glidetabs_model test_grid_base_undo_link
            test_toolkit_grid test_image_compiler test_platform_core test_text test_workspace
            bench_catalog bench_grid bench_grid_controls bench_grid_text)
    if(TARGET ${t})
      set_target_properties(${t} PROPERTIES UNITY_BUILD ON)
      # Batched, a test file's fixture in an anonymous namespace reads to GCC
      # like one in a header; that warning means nothing here.
      if(t MATCHES "^test_" AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${t} PRIVATE -Wno-subobject-linkage)
      endif()
    endif()
  endforeach()
endfunction()
