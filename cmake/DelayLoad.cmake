# The system libraries an idle tray program does not need, loaded on first
# use instead of at start-up: the spooler (with the printing system it brings
# along), the common controls and dialogs, the input method and COM. Each
# cmake/delay-load/<name>.def lists the functions the program calls; a call
# to one it does not list fails to link, and goes into the list.
#
# ruxa_delay_loaded: link it instead of those libraries.
include_guard(GLOBAL)

set(_ruxa_delay_libs "")
file(GLOB _ruxa_delay_defs CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/delay-load/*.def)
foreach(def IN LISTS _ruxa_delay_defs)
  get_filename_component(name ${def} NAME_WE)
  set(lib ${CMAKE_BINARY_DIR}/delay-load/lib${name}_delay.a)
  add_custom_command(OUTPUT ${lib}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/delay-load
    COMMAND ${CMAKE_DLLTOOL} --input-def ${def} --output-delaylib ${lib}
    DEPENDS ${def}
    VERBATIM)
  list(APPEND _ruxa_delay_libs ${lib})
endforeach()
add_custom_target(ruxa_delay_load_libs DEPENDS ${_ruxa_delay_libs})

add_library(ruxa_delay_loaded INTERFACE)
add_dependencies(ruxa_delay_loaded ruxa_delay_load_libs)
target_link_libraries(ruxa_delay_loaded INTERFACE ${_ruxa_delay_libs} delayimp)
