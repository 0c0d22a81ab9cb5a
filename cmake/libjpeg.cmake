# cmake/libjpeg.cmake — libjpeg-turbo cross-built for mingw-w64 from the vendored Debian source;
# gives the imported static library `jpeg` (jpeglib.h and the generated jconfig.h).
include(ExternalProject)

set(JPEG_TARBALL ${CMAKE_SOURCE_DIR}/third_party/libjpeg-turbo/libjpeg-turbo_2.1.5.orig.tar.gz)
set(JPEG_SHA256 254f3642b04e309fee775123133c6464181addc150499561020312ec61c1bf7c)
set(JPEG_SOURCE ${CMAKE_BINARY_DIR}/libjpeg/libjpeg-turbo-2.1.5)
set(JPEG_BUILD ${CMAKE_BINARY_DIR}/libjpeg/build)
get_filename_component(JPEG_TOOLCHAIN ${CMAKE_TOOLCHAIN_FILE} ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})

# Only the static library is built (no tools, no TurboJPEG API); SIMD when nasm is there.
ExternalProject_Add(libjpeg_ext
  URL ${JPEG_TARBALL}
  URL_HASH SHA256=${JPEG_SHA256}
  DOWNLOAD_EXTRACT_TIMESTAMP TRUE
  SOURCE_DIR ${JPEG_SOURCE}
  BINARY_DIR ${JPEG_BUILD}
  PREFIX ${CMAKE_BINARY_DIR}/libjpeg
  CMAKE_ARGS
    -DCMAKE_TOOLCHAIN_FILE=${JPEG_TOOLCHAIN}
    -DCMAKE_BUILD_TYPE=Release
    -DCMAKE_INSTALL_PREFIX=${CMAKE_BINARY_DIR}/libjpeg/install # never installed; its default is c:/
    -DENABLE_SHARED=OFF -DENABLE_STATIC=ON
    -DWITH_TURBOJPEG=OFF -DWITH_SIMD=ON
    -Wno-dev
  BUILD_COMMAND ${CMAKE_COMMAND} --build ${JPEG_BUILD} --target jpeg-static
  INSTALL_COMMAND ""
  BUILD_BYPRODUCTS ${JPEG_BUILD}/libjpeg.a
  LOG_CONFIGURE TRUE
  LOG_BUILD TRUE
  LOG_OUTPUT_ON_FAILURE TRUE)

# the include folders must exist when the build system is generated
file(MAKE_DIRECTORY ${JPEG_SOURCE} ${JPEG_BUILD})
add_library(jpeg STATIC IMPORTED GLOBAL)
set_target_properties(jpeg PROPERTIES
  IMPORTED_LOCATION ${JPEG_BUILD}/libjpeg.a
  INTERFACE_INCLUDE_DIRECTORIES "${JPEG_SOURCE};${JPEG_BUILD}")
add_dependencies(jpeg libjpeg_ext)
