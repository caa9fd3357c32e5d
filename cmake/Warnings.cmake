# Warnings apply to our own targets only, never to third-party headers.
function(velmora_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
endfunction()
