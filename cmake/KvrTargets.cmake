# Common settings for the project's own targets.

function(kvr_setup_target target)
  set_target_properties(${target} PROPERTIES AUTOMOC ON AUTOUIC ON)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(KVR_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

function(kvr_sanitize target scope)
  if(KVR_SANITIZE)
    target_compile_options(${target} ${scope} -fsanitize=address,undefined -fno-omit-frame-pointer
                                              -fno-sanitize-recover=undefined)
    target_link_options(${target} ${scope} -fsanitize=address,undefined)
  endif()
endfunction()

# An executable of the project linked against the program library; a tool or benchmark
# reaches its own folder's headers from the top of the tree.
function(kvr_add_executable target)
  add_executable(${target} ${ARGN})
  kvr_setup_target(${target})
  target_include_directories(${target} PRIVATE ${KVR_ROOT})
  target_link_libraries(${target} PRIVATE kvr2)
endfunction()
