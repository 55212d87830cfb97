# The cell markup engine with its pictures (Gui); the markup text itself is
# in the model.
add_library(bc_grid_markup STATIC
  ${CMAKE_CURRENT_LIST_DIR}/HTMLPicture.h ${CMAKE_CURRENT_LIST_DIR}/HTMLPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkupRender.h ${CMAKE_CURRENT_LIST_DIR}/MarkupRender.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkupRender_p.h ${CMAKE_CURRENT_LIST_DIR}/MarkupRender_Tags.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkupRender_Embedded.cpp
)
target_include_directories(bc_grid_markup PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_markup PUBLIC bc_grid_model platform_pictures toolkit_canvas toolkit_grid toolkit_maskedit platform_gridcontrols toolkit_maskedit Qt6::Gui Qt6::Widgets)
