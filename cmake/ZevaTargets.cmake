# Build options shared by every target, and the helpers that make one library per layer.

add_library(zeva_options INTERFACE)
target_compile_options(zeva_options INTERFACE -Wall -Wextra -Werror=switch)
# GCC 12 reports false "restrict" overlaps inside std::string at high optimisation levels.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
  target_compile_options(zeva_options INTERFACE -Wno-restrict)
endif()
if(ZEVA_WERROR)
  target_compile_options(zeva_options INTERFACE -Werror)
endif()
if(ZEVA_SANITIZE)
  # GCC leaves float-to-int conversions out of "undefined"; a NaN or huge double turned into an
  # int is exactly what hostile files cause, so it is asked for by name.
  target_compile_options(zeva_options INTERFACE -fsanitize=address,undefined,float-cast-overflow
                         -fno-sanitize-recover=all -fno-omit-frame-pointer)
  target_link_options(zeva_options INTERFACE -fsanitize=address,undefined,float-cast-overflow
                      -fno-sanitize-recover=all)
endif()
if(ZEVA_SANITIZE_THREAD)
  target_compile_options(zeva_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(zeva_options INTERFACE -fsanitize=thread)
endif()
target_include_directories(zeva_options INTERFACE ${PROJECT_SOURCE_DIR})

# zeva_engine_library(<target> <folder> [DEPS <targets>...])
# A static library of every .cpp in <folder>. Engine libraries never see Qt: its headers are
# not on their include path, so a stray #include <Q...> fails to compile.
function(zeva_engine_library target folder)
  cmake_parse_arguments(ARG "" "" "DEPS" ${ARGN})
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/${folder}/*.cpp)
  if(sources)
    add_library(${target} STATIC ${sources})
    target_link_libraries(${target} PUBLIC zeva_options ${ARG_DEPS})
  else()
    add_library(${target} INTERFACE)
    target_link_libraries(${target} INTERFACE zeva_options ${ARG_DEPS})
  endif()
endfunction()
