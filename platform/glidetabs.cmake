# Anti-aliased drawing layer of the animated tab strip (QPainter underneath).
add_library(platform_aadraw STATIC
  ${CMAKE_SOURCE_DIR}/toolkit/AADraw.h ${CMAKE_SOURCE_DIR}/toolkit/AADraw.cpp
)
target_link_libraries(platform_aadraw PUBLIC platform_core Qt6::Gui)
