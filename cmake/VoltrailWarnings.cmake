# Warnings for every target of ours; -Werror is switched on in CI.
function(voltrail_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${VOLTRAIL_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                           $<$<BOOL:${VOLTRAIL_WERROR}>:-Werror>)
  endif()
endfunction()
