# Warnings in our own targets only, errors with ZARNET_WERROR; third-party
# headers come in as system includes and stay out of it.
function(zarnet_warnings target)
  if(MSVC)
    target_compile_options(${target} PRIVATE /W4 /utf-8 $<$<BOOL:${ZARNET_WERROR}>:/WX>)
  else()
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow
      -Wconversion -Wsign-conversion -Wnon-virtual-dtor $<$<BOOL:${ZARNET_WERROR}>:-Werror>)
    if(CMAKE_CROSSCOMPILING AND WIN32)
      # MinGW's GCC 12 reports these inside libstdc++'s std::string at -O2
      # where nothing is wrong.
      target_compile_options(${target} PRIVATE -Wno-maybe-uninitialized -Wno-restrict)
    endif()
  endif()
endfunction()

# Hardened binaries where they are shipped: checked buffer functions and
# relocations bound at start.
function(zarnet_hardening)
  if(NOT MSVC AND NOT WIN32)
    add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
    add_link_options(LINKER:-z,relro LINKER:-z,now)
  endif()
endfunction()
