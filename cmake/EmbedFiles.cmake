# embed_files(<target> HEADER <include path> NAMESPACE <ns> FILES <symbol>=<path> ...)
# Compiles each file into the target as a byte array `const unsigned char <ns>::<symbol>[]` with
# its size in `<ns>::<symbol>Size`, declared in a generated header included as <include path>.
function(embed_files target)
  cmake_parse_arguments(ARG "" "HEADER;NAMESPACE" "FILES" ${ARGN})
  set(header ${CMAKE_BINARY_DIR}/generated/${ARG_HEADER})
  set(decls "#pragma once\n#include <cstddef>\nnamespace ${ARG_NAMESPACE} {\n")
  foreach(entry ${ARG_FILES})
    string(REPLACE "=" ";" parts ${entry})
    list(GET parts 0 symbol)
    list(GET parts 1 path)
    get_filename_component(path ${path} ABSOLUTE)
    set(out ${CMAKE_CURRENT_BINARY_DIR}/embedded_${symbol}.cpp)
    add_custom_command(OUTPUT ${out}
      COMMAND ${CMAKE_COMMAND} -DINPUT=${path} -DOUTPUT=${out} -DSYMBOL=${symbol}
              -DNAMESPACE=${ARG_NAMESPACE} -P ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
      DEPENDS ${path} ${CMAKE_SOURCE_DIR}/cmake/EmbedFile.cmake
      COMMENT "Embedding ${path}" VERBATIM)
    target_sources(${target} PRIVATE ${out})
    string(APPEND decls "extern const unsigned char ${symbol}[];\nextern const std::size_t ${symbol}Size;\n")
  endforeach()
  string(APPEND decls "}  // namespace ${ARG_NAMESPACE}\n")
  file(GENERATE OUTPUT ${header} CONTENT "${decls}")
  target_include_directories(${target} PUBLIC ${CMAKE_BINARY_DIR}/generated)
endfunction()
