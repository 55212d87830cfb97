# Platform services of the grid's text routines: dates (TDateTime) with their
# text formats, number formats, reading order and the OEM code page (Core only).
add_library(platform_text STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DateTime.h ${CMAKE_CURRENT_LIST_DIR}/DateTime.cpp
  ${CMAKE_CURRENT_LIST_DIR}/OemCodePage.h ${CMAKE_CURRENT_LIST_DIR}/OemCodePage.cpp
  ${CMAKE_CURRENT_LIST_DIR}/NumberFormat.h ${CMAKE_CURRENT_LIST_DIR}/NumberFormat.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BiDiMode.h ${CMAKE_CURRENT_LIST_DIR}/BiDiMode.cpp
)
target_include_directories(platform_text PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_text PUBLIC platform_grid_core platform_core Qt6::Core)
