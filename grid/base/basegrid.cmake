# The base grid: cell properties, merged cells, its cell painter, the drawing
# routines and the lists of cell controls and file pictures.
add_library(bc_grid_base STATIC
  ${CMAKE_CURRENT_LIST_DIR}/DrawRoutines.h ${CMAKE_CURRENT_LIST_DIR}/DrawRoutines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.h ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellControls.h ${CMAKE_CURRENT_LIST_DIR}/CellControls.cpp
)
target_include_directories(bc_grid_base PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_base PUBLIC bc_grid_model toolkit_grid toolkit_canvas toolkit_maskedit platform_gridcontrols toolkit_maskedit Qt6::Widgets)
