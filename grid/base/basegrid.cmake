# The base grid's helper lists (Core only, for format cores too), and the base
# grid itself: cell properties, merged cells, its cell painter, the drawing
# routines and the lists of cell controls and file pictures.
add_library(bc_grid_lists STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GridLists.h ${CMAKE_CURRENT_LIST_DIR}/GridLists.cpp
)
target_include_directories(bc_grid_lists PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_lists PUBLIC platform_text platform_core Qt6::Core)

add_library(bc_grid_base STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GridTypes.h
  ${CMAKE_CURRENT_LIST_DIR}/DrawRoutines.h ${CMAKE_CURRENT_LIST_DIR}/DrawRoutines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.h ${CMAKE_CURRENT_LIST_DIR}/BaseGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/CellControls.h ${CMAKE_CURRENT_LIST_DIR}/CellControls.cpp
)
target_include_directories(bc_grid_base PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_base PUBLIC bc_grid_lists platform_grid platform_gridcontrols platform_text_gui bc_grid_textcore Qt6::Widgets)
