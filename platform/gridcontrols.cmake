# Platform services of the grid's controls: the per-user settings store
# (empty on Linux, fake for tests), the system and theme answers, themed and
# classic parts through QStyle, polygon-shaped popups and the translucent focus-frame window.
add_library(platform_gridcontrols STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Registry.h ${CMAKE_CURRENT_LIST_DIR}/Registry.cpp
  ${CMAKE_CURRENT_LIST_DIR}/SystemInfo.h ${CMAKE_CURRENT_LIST_DIR}/SystemInfo.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ThemedParts.h ${CMAKE_CURRENT_LIST_DIR}/ThemedParts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/PopupShapes.h ${CMAKE_CURRENT_LIST_DIR}/PopupShapes.cpp
  ${CMAKE_CURRENT_LIST_DIR}/Translucency.h ${CMAKE_CURRENT_LIST_DIR}/Translucency.cpp
)
target_include_directories(platform_gridcontrols PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_gridcontrols PUBLIC platform_grid platform_gui Qt6::Widgets)
# Asking the X server whether a compositing manager runs (Translucency.cpp).
find_library(BC_XCB_LIBRARY xcb REQUIRED)
target_link_libraries(platform_gridcontrols PRIVATE ${BC_XCB_LIBRARY})
