# The stack of collapsible titled panels with a vertical scroll bar.
add_library(platform_panels STATIC
  ${CMAKE_SOURCE_DIR}/toolkit/CategoryPanels.h ${CMAKE_SOURCE_DIR}/toolkit/CategoryPanels.cpp
)
target_include_directories(platform_panels PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_panels PUBLIC platform_gui Qt6::Widgets)
