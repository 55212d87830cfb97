# The picture loader: Windows metafiles checked and converted to SVG (Core
# only, libwmf and libemf2svg), and the loader that draws every picture kind
# and the system icons (Gui, Qt SVG).
find_package(Qt6 REQUIRED COMPONENTS Svg)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBWMF REQUIRED IMPORTED_TARGET libwmf)
find_library(EMF2SVG_LIBRARY emf2svg REQUIRED)
find_path(EMF2SVG_INCLUDE_DIR emf2svg.h REQUIRED)

add_library(platform_metafile STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Metafile.h ${CMAKE_CURRENT_LIST_DIR}/Metafile.cpp
)
target_include_directories(platform_metafile PUBLIC ${CMAKE_SOURCE_DIR})
target_include_directories(platform_metafile SYSTEM PRIVATE ${EMF2SVG_INCLUDE_DIR})
target_link_libraries(platform_metafile PUBLIC Qt6::Core PRIVATE PkgConfig::LIBWMF ${EMF2SVG_LIBRARY})
# Metafile.cpp's do-nothing FcFini must be the one libemf2svg calls.
target_link_options(platform_metafile INTERFACE -Wl,--export-dynamic-symbol=FcFini)

add_library(platform_pictures STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.h ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.cpp
)
target_link_libraries(platform_pictures PUBLIC platform_metafile Qt6::Gui Qt6::Svg Qt6::Widgets)
