# Checks the installed AppStream description against the pictures tavlo-screens renders:
#   cmake -DSCREENS=<tavlo-screens> -DMETAINFO=<metainfo.xml> -DSHIPPED=<docs/screenshots>
#         -DOUT=<folder> [-DAPPSTREAMCLI=<appstreamcli>] -P check_appstream.cmake
# Every picture the description names must be rendered by the tool and shipped with the sources,
# the addresses must be web addresses, and appstreamcli (when there is one) must accept the file.
foreach(var SCREENS METAINFO SHIPPED OUT)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "check_appstream: ${var} is not set")
  endif()
endforeach()

file(REMOVE_RECURSE "${OUT}")
execute_process(COMMAND "${SCREENS}" --appstream "${OUT}" RESULT_VARIABLE rendered
                OUTPUT_VARIABLE said ERROR_VARIABLE complained)
if(NOT rendered EQUAL 0)
  message(FATAL_ERROR "tavlo-screens --appstream failed (${rendered}): ${said} ${complained}")
endif()

file(READ "${METAINFO}" xml)
foreach(required "<id>io.github.tavlo.Tavlo</id>" "<metadata_license>CC0-1.0</metadata_license>"
                 "<launchable type=\"desktop-id\">io.github.tavlo.Tavlo.desktop</launchable>"
                 "<binary>tavlo</binary>" "<screenshot type=\"default\">")
  string(FIND "${xml}" "${required}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "the description lacks ${required}")
  endif()
endforeach()
string(REGEX MATCHALL "type=\"default\"" defaults "${xml}")
list(LENGTH defaults defaultCount)
if(NOT defaultCount EQUAL 1)
  message(FATAL_ERROR "the description has ${defaultCount} default screenshots, not one")
endif()

string(REGEX MATCHALL "<image>[^<]*</image>" images "${xml}")
list(LENGTH images imageCount)
if(imageCount EQUAL 0)
  message(FATAL_ERROR "the description names no screenshot")
endif()
foreach(image IN LISTS images)
  string(REGEX REPLACE "</?image>" "" url "${image}")
  if(NOT url MATCHES "^https?://[^/]+/")
    message(FATAL_ERROR "screenshot address is not a web address: ${url}")
  endif()
  get_filename_component(name "${url}" NAME)
  foreach(folder "${OUT}" "${SHIPPED}")
    if(NOT EXISTS "${folder}/${name}")
      message(FATAL_ERROR "${name} is named in the description but missing from ${folder}")
    endif()
    file(READ "${folder}/${name}" signature LIMIT 8 HEX)
    if(NOT signature STREQUAL "89504e470d0a1a0a")
      message(FATAL_ERROR "${folder}/${name} is not a PNG picture")
    endif()
  endforeach()
endforeach()

if(APPSTREAMCLI)
  execute_process(COMMAND "${APPSTREAMCLI}" validate --no-net "${METAINFO}" RESULT_VARIABLE valid
                  OUTPUT_VARIABLE said ERROR_VARIABLE complained)
  if(NOT valid EQUAL 0)
    message(FATAL_ERROR "appstreamcli rejects the description: ${said} ${complained}")
  endif()
endif()
message(STATUS "${imageCount} screenshots rendered, shipped and named")
