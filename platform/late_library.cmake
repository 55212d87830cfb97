include_guard(GLOBAL)
# Modules loaded on first use (LateLibrary.h). A part built this way is a
# static library linked into every executable, except those that set the
# target property BC_LATE_LIBRARIES (the program): they get a small loader in
# its place and find the part as a module beside them. A part's interface
# target chooses with bc_late_library_choice().
add_library(platform_late_library STATIC
  ${CMAKE_CURRENT_LIST_DIR}/LateLibrary.h ${CMAKE_CURRENT_LIST_DIR}/LateLibrary.cpp
)
target_link_libraries(platform_late_library PUBLIC platform_core)

# bc_late_library_choice(<interface target> DIRECT <static lib> LATE <loader lib>)
function(bc_late_library_choice Target)
  cmake_parse_arguments(C "" "DIRECT;LATE" "" ${ARGN})
  target_link_libraries(${Target} INTERFACE
    "$<IF:$<BOOL:$<TARGET_PROPERTY:BC_LATE_LIBRARIES>>,${C_LATE},${C_DIRECT}>")
endfunction()
