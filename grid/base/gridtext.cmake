# Text, number, date and filter routines (Core only) and the cell markup
# engine with its pictures (Gui).
add_library(bc_grid_textcore STATIC
  ${CMAKE_CURRENT_LIST_DIR}/TextRoutines.h ${CMAKE_CURRENT_LIST_DIR}/TextRoutines.cpp
  ${CMAKE_CURRENT_LIST_DIR}/FilterExpr.h ${CMAKE_CURRENT_LIST_DIR}/FilterExpr.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkupText.h ${CMAKE_CURRENT_LIST_DIR}/MarkupText.cpp
)
target_include_directories(bc_grid_textcore PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(bc_grid_textcore PUBLIC platform_text platform_core Qt6::Core)

add_library(bc_grid_markup STATIC
  ${CMAKE_CURRENT_LIST_DIR}/HTMLPicture.h ${CMAKE_CURRENT_LIST_DIR}/HTMLPicture.cpp
  ${CMAKE_CURRENT_LIST_DIR}/MarkupRender.h ${CMAKE_CURRENT_LIST_DIR}/MarkupRender.cpp
)
target_link_libraries(bc_grid_markup PUBLIC bc_grid_textcore platform_pictures platform_text_gui platform_grid platform_gridcontrols Qt6::Gui Qt6::Widgets)
