# libcurl, for the series probe: the system's on Linux (Debian's
# libcurl4-openssl-dev); for the Windows cross-build the static one with
# Schannel that tools/build-curl-windows.sh builds from Debian's own source.
set(ZARNET_CURL_WINDOWS "" CACHE PATH "Static libcurl for the Windows cross-build")
if(CMAKE_CROSSCOMPILING AND WIN32)
  if(NOT EXISTS "${ZARNET_CURL_WINDOWS}/lib/libcurl.a")
    message(FATAL_ERROR "No static libcurl for Windows in '${ZARNET_CURL_WINDOWS}': run "
                        "tools/build-curl-windows.sh and give its --prefix as ZARNET_CURL_WINDOWS")
  endif()
  add_library(CURL::libcurl STATIC IMPORTED)
  set_target_properties(CURL::libcurl PROPERTIES
    IMPORTED_LOCATION "${ZARNET_CURL_WINDOWS}/lib/libcurl.a"
    INTERFACE_INCLUDE_DIRECTORIES "${ZARNET_CURL_WINDOWS}/include"
    INTERFACE_COMPILE_DEFINITIONS CURL_STATICLIB
    INTERFACE_LINK_LIBRARIES "ws2_32;crypt32;bcrypt;secur32;advapi32;normaliz;wldap32")
else()
  find_package(CURL 7.83 REQUIRED)
endif()
