# The grid's platform: locale settings and geometry (Core only, usable by
# format cores), and keys, registered messages and layered windows (Widgets).
# The toolkit widgets built on them (canvas, string grid) are in toolkit/.
add_library(platform_grid_core STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Rect.h ${CMAKE_CURRENT_LIST_DIR}/Set.h ${CMAKE_CURRENT_LIST_DIR}/Object.h
  ${CMAKE_CURRENT_LIST_DIR}/Font.h ${CMAKE_CURRENT_LIST_DIR}/PaintStyles.h
  ${CMAKE_CURRENT_LIST_DIR}/Locale.h ${CMAKE_CURRENT_LIST_DIR}/Locale.cpp
)
target_include_directories(platform_grid_core PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_grid_core PUBLIC platform_core Qt6::Core)

add_library(platform_grid STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Keys.h ${CMAKE_CURRENT_LIST_DIR}/Keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/LayeredWindow.h ${CMAKE_CURRENT_LIST_DIR}/LayeredWindow.cpp
)
target_link_libraries(platform_grid PUBLIC platform_grid_core platform_text platform_gui Qt6::Widgets)
