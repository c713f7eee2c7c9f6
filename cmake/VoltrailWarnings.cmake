# Warnings for every target of ours; -Werror is switched on in CI.
function(voltrail_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 $<$<BOOL:${VOLTRAIL_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic
                           $<$<BOOL:${VOLTRAIL_WERROR}>:-Werror>)
  endif()
  if(WIN32 AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
    # MinGW's GCC 12 warns wrongly about std::string members when optimising
    # (GCC bugs 105329, 107138); the Linux builds keep both warnings.
    target_compile_options(${target} PRIVATE -Wno-restrict -Wno-maybe-uninitialized)
  endif()
endfunction()
