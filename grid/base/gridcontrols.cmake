# The grid's controls side: undo and redo, style and theme interfaces with the
# theme notifier, option groups and auxiliary windows, the grid button and
# check box, and the in-place editors (spin, edit-with-button, combo, date-time
# picker) with the cell check component.
add_library(bc_grid_controls STATIC
  ${CMAKE_CURRENT_LIST_DIR}/GridUndoRedo.h ${CMAKE_CURRENT_LIST_DIR}/GridUndoRedo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridStyle.h ${CMAKE_CURRENT_LIST_DIR}/GridStyle.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridOptions.h ${CMAKE_CURRENT_LIST_DIR}/GridOptions.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridAuxWindows.h ${CMAKE_CURRENT_LIST_DIR}/GridAuxWindows.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SpinEdit.h ${CMAKE_CURRENT_LIST_DIR}/SpinEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/EditBtn.h ${CMAKE_CURRENT_LIST_DIR}/EditBtn.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ComboEdit.h ${CMAKE_CURRENT_LIST_DIR}/ComboEdit.cpp
  ${CMAKE_CURRENT_LIST_DIR}/GridButtons.h ${CMAKE_CURRENT_LIST_DIR}/GridButtons.cpp
  ${CMAKE_CURRENT_LIST_DIR}/DateTimePickerEdit.h ${CMAKE_CURRENT_LIST_DIR}/DateTimePickerEdit.cpp
)
target_include_directories(bc_grid_controls PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_controls PUBLIC bc_grid_base toolkit_maskedit platform_gridcontrols toolkit_maskedit toolkit_grid Qt6::Widgets)
