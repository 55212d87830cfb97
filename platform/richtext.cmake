# RTF to and from Qt's rich text (Qt Gui only, no widgets); the rich edit
# control built on it is in toolkit/.
add_library(platform_richtext STATIC
  ${CMAKE_CURRENT_LIST_DIR}/RichText.h ${CMAKE_CURRENT_LIST_DIR}/RichText.cpp
)
target_include_directories(platform_richtext PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_richtext PUBLIC platform_core Qt6::Gui)
