# The base grid: cell properties, merged cells, its cell painter, the drawing
# routines and the helper lists.
add_library(bc_grid_base STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GridTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/DrawRoutines.h ${CMAKE_CURRENT_LIST_DIR}/DrawRoutines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.h ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.cpp
)
target_include_directories(bc_grid_base PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_base PUBLIC platform_grid platform_text_gui bc_grid_textcore Qt6::Widgets)
