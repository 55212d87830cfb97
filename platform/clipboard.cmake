# The clipboard behind a fake-able service (Qt Gui's clipboard underneath).
# The format names and the "HTML Format" envelope reader are Core only and
# live in platform_core, so format cores can use them.
add_library(platform_clipboard STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Clipboard.h ${CMAKE_CURRENT_LIST_DIR}/Clipboard.cpp
  ${CMAKE_CURRENT_LIST_DIR}/ClipDataQt.h ${CMAKE_CURRENT_LIST_DIR}/ClipboardQt.cpp
)
target_link_libraries(platform_clipboard PUBLIC platform_core Qt6::Gui)
