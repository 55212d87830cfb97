# Window-system services of the tab strip control: pointer position, the
# window under a screen point, moving and maximising a window.
add_library(platform_glidetabs_control STATIC
  ${CMAKE_CURRENT_LIST_DIR}/WindowPointer.h ${CMAKE_CURRENT_LIST_DIR}/WindowPointer.cpp
)
target_link_libraries(platform_glidetabs_control PUBLIC platform_core Qt6::Widgets)
target_include_directories(platform_glidetabs_control PUBLIC ${CMAKE_SOURCE_DIR})
