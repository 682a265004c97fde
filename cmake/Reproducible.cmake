# Byte-identical builds of one commit, wherever the work tree and the build folder lie: no build
# paths and no time stamps in the objects, the static libraries or the executable.

# Paths that reach the objects (__FILE__ in assertions, debug information) are written relative:
# the work tree as ".", the build folder as "build". GCC tries the map given last first, so the
# build folder, which may lie inside the work tree, comes second.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=.>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=build>")

# The PE header's time stamp would be the time of linking.
add_link_options(-Wl,--no-insert-timestamp)

# Static libraries with zero dates, owners and modes ("D"), whatever the archiver's default.
foreach(lang C CXX)
  set(CMAKE_${lang}_ARCHIVE_CREATE "<CMAKE_AR> qcD <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${lang}_ARCHIVE_APPEND "<CMAKE_AR> qD <TARGET> <LINK_FLAGS> <OBJECTS>")
  set(CMAKE_${lang}_ARCHIVE_FINISH "<CMAKE_RANLIB> -D <TARGET>")
endforeach()
