# The look of the windows with a title panel (background, font, title and
# button panels), below every folder whose windows use it.
add_library(bc_window_look STATIC
  ${CMAKE_CURRENT_LIST_DIR}/WindowLook.h ${CMAKE_CURRENT_LIST_DIR}/WindowLook.cpp
)
target_include_directories(bc_window_look PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_window_look PUBLIC Qt6::Widgets)
