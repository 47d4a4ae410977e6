# Controllers made from example projects at build time by `fuzzysim export
# --to c`, compiled as C99 with the warnings the export promises to pass: the
# tests drive the models with them, the benchmarks time them.
#
#   fuzzy_generated_controllers(TARGET EXAMPLE...)
#
# builds the static library TARGET from examples/EXAMPLE.fuz, each as
# EXAMPLE_regler.c / .h with the function EXAMPLE_step.
function(fuzzy_generated_controllers target)
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/${target})
  set(sources)
  foreach(example IN LISTS ARGN)
    set(project ${PROJECT_SOURCE_DIR}/examples/${example}.fuz)
    add_custom_command(
      OUTPUT ${dir}/${example}_regler.c ${dir}/${example}_regler.h
      COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
      # --lang de: the comments of the generated source must not depend on
      # the language of whoever builds.
      COMMAND fuzzysim --lang de export ${project} --to c --name ${example} -o ${dir}/${example}_regler.c
      DEPENDS fuzzysim ${project}
      COMMENT "C-Export von ${example}.fuz"
      VERBATIM)
    list(APPEND sources ${dir}/${example}_regler.c)
  endforeach()
  add_library(${target} STATIC ${sources})
  set_target_properties(${target} PROPERTIES C_STANDARD 99 C_STANDARD_REQUIRED ON C_EXTENSIONS OFF)
  target_compile_options(${target} PRIVATE -Wall -Wextra -pedantic)
  if(FUZZY_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
  target_include_directories(${target} PUBLIC ${dir})
endfunction()
