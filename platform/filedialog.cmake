# Open and save dialogs behind a fake-able service.
add_library(platform_filedialog STATIC
  ${CMAKE_CURRENT_LIST_DIR}/FileDialog.h ${CMAKE_CURRENT_LIST_DIR}/FileDialog.cpp
)
target_link_libraries(platform_filedialog PUBLIC platform_core Qt6::Widgets)
