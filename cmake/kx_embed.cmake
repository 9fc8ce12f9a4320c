# Builds the files of a folder into a library as data, so that the program finds them by
# name at run time without the folder (platform/resources.h).
#
# Included by a CMakeLists file, it defines kx_embed_resources(target folder). Run as a
# script (cmake -DRESOURCE_DIR=... -DOUTPUT=... -P kx_embed.cmake), it writes the C++
# source holding the files.

if(CMAKE_SCRIPT_MODE_FILE)
  file(GLOB_RECURSE files LIST_DIRECTORIES false RELATIVE "${RESOURCE_DIR}" "${RESOURCE_DIR}/*")
  list(FILTER files EXCLUDE REGEX "(^|/)\\.")  # hidden files stay out
  list(SORT files)
  set(body "// Generated from the files of resources/ at build time; do not edit.\n")
  string(APPEND body "#include <cstddef>\n\nnamespace kurvex::resources {\n\n")
  string(APPEND body "struct EmbeddedFile {\n  const char* name;\n  const unsigned char* data;\n  std::size_t size;\n};\n\n")
  set(index 0)
  set(table "")
  foreach(name IN LISTS files)
    file(READ "${RESOURCE_DIR}/${name}" hex HEX)
    file(SIZE "${RESOURCE_DIR}/${name}" size)
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    # A trailing zero keeps empty files legal C++ and every file a terminated string.
    string(APPEND body "static const unsigned char kFile${index}[] = {\n  ${bytes}0x00};\n")
    string(APPEND table "    {\"${name}\", kFile${index}, ${size}},\n")
    math(EXPR index "${index} + 1")
  endforeach()
  string(APPEND body "\nextern const EmbeddedFile kEmbeddedFiles[] = {\n${table}    {nullptr, nullptr, 0}};\n")
  string(APPEND body "extern const std::size_t kEmbeddedFileCount = ${index};\n\n}  // namespace kurvex::resources\n")
  # Rewrite only on change, so that a build without resource changes compiles nothing.
  set(old "")
  if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
  endif()
  if(NOT old STREQUAL body)
    file(WRITE "${OUTPUT}" "${body}")
  endif()
  return()
endif()

set(KX_EMBED_SCRIPT "${CMAKE_CURRENT_LIST_FILE}")

function(kx_embed_resources target folder)
  file(GLOB_RECURSE inputs CONFIGURE_DEPENDS LIST_DIRECTORIES false "${folder}/*")
  set(output "${CMAKE_CURRENT_BINARY_DIR}/${target}_resources.cpp")
  add_custom_command(
    OUTPUT "${output}"
    COMMAND "${CMAKE_COMMAND}" "-DRESOURCE_DIR=${folder}" "-DOUTPUT=${output}" -P "${KX_EMBED_SCRIPT}"
    DEPENDS ${inputs} "${KX_EMBED_SCRIPT}"
    COMMENT "Embedding the files of ${folder}"
    VERBATIM)
  target_sources(${target} PRIVATE "${output}")
endfunction()
