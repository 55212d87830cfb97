# The picture loader: Windows metafiles checked and converted to SVG (Core
# only, libwmf and libemf2svg), and the loader that draws every picture kind
# and the system icons (Gui, Qt SVG). The converters and Qt SVG are linked
# directly into tests and tools, and loaded with the module bc_metafiles on
# the first metafile by the program (late_library.cmake).
include(${CMAKE_CURRENT_LIST_DIR}/late_library.cmake)
find_package(Qt6 REQUIRED COMPONENTS Svg)
find_package(PkgConfig REQUIRED)
pkg_check_modules(LIBWMF REQUIRED IMPORTED_TARGET libwmf)
find_library(EMF2SVG_LIBRARY emf2svg REQUIRED)
find_path(EMF2SVG_INCLUDE_DIR emf2svg.h REQUIRED)

# The metafile kind, and the do-nothing FcFini that libemf2svg must reach
# (exported, so that the converter finds it even when loaded later).
add_library(platform_metafile_kind STATIC ${CMAKE_CURRENT_LIST_DIR}/MetafileKind.cpp)
target_include_directories(platform_metafile_kind PUBLIC ${CMAKE_SOURCE_DIR})
target_link_libraries(platform_metafile_kind PUBLIC Qt6::Core)
target_link_options(platform_metafile_kind INTERFACE -Wl,--export-dynamic-symbol=FcFini)

add_library(platform_metafile STATIC
  ${CMAKE_CURRENT_LIST_DIR}/Metafile.h ${CMAKE_CURRENT_LIST_DIR}/Metafile.cpp
)
target_include_directories(platform_metafile SYSTEM PRIVATE ${EMF2SVG_INCLUDE_DIR})
target_link_libraries(platform_metafile PUBLIC platform_metafile_kind PRIVATE PkgConfig::LIBWMF ${EMF2SVG_LIBRARY})

add_library(platform_metafile_image STATIC
  ${CMAKE_CURRENT_LIST_DIR}/MetafileImage.h ${CMAKE_CURRENT_LIST_DIR}/MetafileImage.cpp
)
target_link_libraries(platform_metafile_image PUBLIC platform_metafile Qt6::Gui Qt6::Svg)
add_library(platform_metafile_image_late STATIC ${CMAKE_CURRENT_LIST_DIR}/MetafileImageLate.cpp)
target_link_libraries(platform_metafile_image_late PUBLIC platform_metafile_kind platform_late_library Qt6::Gui)

add_library(platform_pictures STATIC
  ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.h ${CMAKE_CURRENT_LIST_DIR}/PictureLoader.cpp
)
target_link_libraries(platform_pictures PUBLIC platform_metafile_kind Qt6::Gui Qt6::Widgets)
bc_late_library_choice(platform_pictures DIRECT platform_metafile_image LATE platform_metafile_image_late)

add_library(bc_metafiles MODULE ${CMAKE_CURRENT_LIST_DIR}/MetafileModule.cpp)
target_link_libraries(bc_metafiles PRIVATE platform_metafile_image)
set_target_properties(bc_metafiles PROPERTIES LIBRARY_OUTPUT_DIRECTORY ${BC_PROGRAM_DIR})
