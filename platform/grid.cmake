# The grid's platform: locale settings and geometry (Core only, usable by
# format cores), and the canvas and string grid widget (Widgets). The
# re-created toolkit widgets' sources live in toolkit/; the targets keep
# their names.
add_library(platform_grid_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Rect.h ${CMAKE_CURRENT_LIST_DIR}/Set.h ${CMAKE_CURRENT_LIST_DIR}/Object.h
  ${CMAKE_CURRENT_LIST_DIR}/Font.h
  ${CMAKE_SOURCE_DIR}/toolkit/GridStore.h ${CMAKE_SOURCE_DIR}/toolkit/GridStore.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/EditMask.h ${CMAKE_SOURCE_DIR}/toolkit/EditMask.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Locale.h ${CMAKE_CURRENT_LIST_DIR}/Locale.cpp
)
target_include_directories(platform_grid_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_grid_core PUBLIC platform_core Qt6::Core)

add_library(platform_grid STATIC
  ${CMAKE_SOURCE_DIR}/toolkit/Canvas.h ${CMAKE_SOURCE_DIR}/toolkit/Canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keys.h ${CMAKE_CURRENT_LIST_DIR}/Keys.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/StringGrid.h ${CMAKE_SOURCE_DIR}/toolkit/StringGrid.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/StringGrid_Editor.cpp ${CMAKE_SOURCE_DIR}/toolkit/StringGrid_Mouse.cpp
  ${CMAKE_SOURCE_DIR}/toolkit/StringGrid_Scroll.cpp ${CMAKE_SOURCE_DIR}/toolkit/StringGrid_Hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayeredWindow.h ${CMAKE_CURRENT_LIST_DIR}/LayeredWindow.cpp
)
target_link_libraries(platform_grid PUBLIC bc_grid_core platform_grid_core platform_text platform_gui Qt6::Widgets)
