# The grid's platform: locale settings and geometry (Core only, usable by
# format cores), and the canvas and string grid widget (Widgets).
add_library(platform_grid_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Rect.h ${CMAKE_CURRENT_LIST_DIR}/Set.h ${CMAKE_CURRENT_LIST_DIR}/Object.h
  ${CMAKE_CURRENT_LIST_DIR}/Font.h
  ${CMAKE_CURRENT_LIST_DIR}/GridStore.h ${CMAKE_CURRENT_LIST_DIR}/GridStore.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Locale.h ${CMAKE_CURRENT_LIST_DIR}/Locale.cpp
)
target_include_directories(platform_grid_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_grid_core PUBLIC platform_core Qt6::Core)

add_library(platform_grid STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Canvas.h ${CMAKE_CURRENT_LIST_DIR}/Canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Keys.h ${CMAKE_CURRENT_LIST_DIR}/Keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringGrid.h ${CMAKE_CURRENT_LIST_DIR}/StringGrid.cpp
  ${CMAKE_CURRENT_LIST_DIR}/StringGrid_Scroll.cpp ${CMAKE_CURRENT_LIST_DIR}/StringGrid_Hooks.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayeredWindow.h ${CMAKE_CURRENT_LIST_DIR}/LayeredWindow.cpp
)
target_link_libraries(platform_grid PUBLIC bc_grid_core platform_grid_core platform_text platform_gui Qt6::Widgets)
