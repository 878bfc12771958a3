# A distribution package installs into the system's folders instead: the
# program in bin, our libraries in a folder private to it, the helper programs
# it starts in libexec/korvane, the shipped files
# under share/korvane (where the program looks when the folders above are
# absent), and the menu entry, icon, metadata and manual page. Off, an install
# has exactly the shape of the build tree.
option(KORVANE_SYSTEM_LAYOUT "Install into the system's folders, as a distribution package does" OFF)
if(KORVANE_SYSTEM_LAYOUT)
    set(KORVANE_INSTALL_BIN_DIR ${CMAKE_INSTALL_BINDIR})
    set(KORVANE_INSTALL_LIB_DIR ${CMAKE_INSTALL_LIBDIR}/korvane)
    set(KORVANE_INSTALL_DATA_DIR ${CMAKE_INSTALL_DATADIR}/korvane)
    set(KORVANE_INSTALL_HELPER_DIR ${CMAKE_INSTALL_LIBEXECDIR}/korvane)
    file(RELATIVE_PATH KORVANE_BIN_TO_LIB /${KORVANE_INSTALL_BIN_DIR} /${KORVANE_INSTALL_LIB_DIR})
    set(CMAKE_INSTALL_RPATH "$ORIGIN/${KORVANE_BIN_TO_LIB}")
else()
    set(KORVANE_INSTALL_BIN_DIR ${KORVANE_BIN_DIR})
    set(KORVANE_INSTALL_LIB_DIR ${KORVANE_LIB_DIR})
    set(KORVANE_INSTALL_DATA_DIR .)
    set(KORVANE_INSTALL_HELPER_DIR ${KORVANE_BIN_DIR})
endif()
# Where the program finds its helpers, relative to its own folder; the build
# tree puts them there too.
file(RELATIVE_PATH KORVANE_BIN_TO_HELPER /${KORVANE_INSTALL_BIN_DIR} /${KORVANE_INSTALL_HELPER_DIR})

# Our shared libraries; in the system layout they find each other in their
# private folder, which is not beside the program.
function(korvane_install_library target)
    install(TARGETS ${target}
        LIBRARY DESTINATION ${KORVANE_INSTALL_LIB_DIR} RUNTIME DESTINATION ${KORVANE_INSTALL_BIN_DIR})
    if(KORVANE_SYSTEM_LAYOUT)
        set_target_properties(${target} PROPERTIES INSTALL_RPATH "$ORIGIN")
    endif()
endfunction()

# Installs a symbolic link <link> (a path under the prefix) to the absolute
# path <target>, written relative to the link's folder as Debian asks. The
# prefix is read at install time, so `--prefix` and DESTDIR are honoured.
function(korvane_install_link target link)
    get_filename_component(folder ${link} DIRECTORY)
    get_filename_component(name ${link} NAME)
    install(CODE "
        set(folder \"\${CMAKE_INSTALL_PREFIX}/${folder}\")
        file(RELATIVE_PATH relative \"\${folder}\" \"${target}\")
        file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${folder}\")
        message(STATUS \"Installing: \$ENV{DESTDIR}\${folder}/${name} -> \${relative}\")
        file(CREATE_LINK \"\${relative}\" \"\$ENV{DESTDIR}\${folder}/${name}\" SYMBOLIC)
    ")
endfunction()
