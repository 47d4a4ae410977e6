# Writes OUT, a C++ source that holds the bytes of the shipped example
# projects (FILES, a ;-list of paths) for ShippedProjects(): the teacher's
# check tries every one of them on an exercise. Run with cmake -P at build
# time, so that a changed example rebuilds it.
set(body "")
set(rows "")
set(i 0)
foreach(f IN LISTS FILES)
  file(READ "${f}" hex HEX)
  string(REGEX REPLACE "([0-9a-f][0-9a-f])" "'\\\\x\\1'," bytes "${hex}")
  get_filename_component(name "${f}" NAME)
  string(LENGTH "${hex}" n)
  math(EXPR n "${n} / 2")
  string(APPEND body "const char kFile${i}[] = {${bytes} 0};\n")
  string(APPEND rows "    {\"${name}\", std::string_view(kFile${i}, ${n})},\n")
  math(EXPR i "${i} + 1")
endforeach()
file(WRITE "${OUT}.tmp" "// Made by exercise/Beispiele.cmake from the shipped examples; do not edit.\n#include \"exercise/ShippedFiles.h\"\n\nnamespace exercise {\nnamespace {\n${body}}  // namespace\n\nconst std::vector<ShippedFile>& ShippedFiles() {\n    static const std::vector<ShippedFile> files = {\n${rows}    };\n    return files;\n}\n\n}  // namespace exercise\n")
execute_process(COMMAND ${CMAKE_COMMAND} -E copy_if_different "${OUT}.tmp" "${OUT}")
