# Wayland client support: the client library, the protocol descriptions of
# wayland-protocols, wayland-scanner and Qt's private platform interface. Where
# one of them is missing the program builds without the Wayland parts.
set(QM47_WAYLAND_FOUND OFF)
if(UNIX AND NOT APPLE)
    find_package(PkgConfig QUIET)
    if(PkgConfig_FOUND)
        pkg_check_modules(QM47_WAYLAND_CLIENT QUIET IMPORTED_TARGET GLOBAL wayland-client)
        pkg_get_variable(QM47_WAYLAND_PROTOCOLS_DIR wayland-protocols pkgdatadir)
        pkg_get_variable(QM47_WAYLAND_SCANNER wayland-scanner wayland_scanner)
    endif()
    find_path(QM47_QPA_NATIVE_INTERFACE qpa/qplatformnativeinterface.h
              PATHS ${Qt6Gui_PRIVATE_INCLUDE_DIRS} NO_DEFAULT_PATH)
    if(QM47_WAYLAND_CLIENT_FOUND AND QM47_WAYLAND_PROTOCOLS_DIR AND QM47_WAYLAND_SCANNER
       AND TARGET Qt6::GuiPrivate AND QM47_QPA_NATIVE_INTERFACE)
        set(QM47_WAYLAND_FOUND ON)
        # The code wayland-scanner writes is C.
        enable_language(C)
    else()
        message(STATUS "Wayland client, wayland-protocols or Qt's private headers not found: "
                       "no shortcut inhibition under Wayland")
    endif()
endif()

# qm47_wayland_protocol(TARGET XML): generates the client header and the
# interface code of the protocol in XML into a small library of their own and
# links TARGET with it; TARGET's sources then include
# "<name>-client-protocol.h".
function(qm47_wayland_protocol target xml)
    get_filename_component(name ${xml} NAME_WE)
    set(dir ${CMAKE_CURRENT_BINARY_DIR}/wayland-protocols)
    set(header ${dir}/${name}-client-protocol.h)
    set(code ${dir}/${name}-protocol.c)
    add_custom_command(OUTPUT ${header} ${code}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${dir}
        COMMAND ${QM47_WAYLAND_SCANNER} client-header ${xml} ${header}
        COMMAND ${QM47_WAYLAND_SCANNER} private-code ${xml} ${code}
        DEPENDS ${xml}
        VERBATIM)
    add_library(${target}-${name} STATIC ${header} ${code})
    target_include_directories(${target}-${name} PUBLIC ${dir})
    target_link_libraries(${target}-${name} PUBLIC PkgConfig::QM47_WAYLAND_CLIENT)
    target_link_libraries(${target} PRIVATE ${target}-${name})
endfunction()
