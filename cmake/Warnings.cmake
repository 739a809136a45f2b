# Warnings are errors on our own code (not on third-party headers).
function(kelvaroth_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()
