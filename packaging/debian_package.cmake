# The Debian package of the installed program (`make package`): the executables in /usr/bin, the
# program folder in /usr/share/klt, the desktop entry, icons, AppStream metadata, udev rule, the
# manual page of klt-cli and the package's own documents. Its dependencies are the shared libraries
# the executables use, as dpkg-shlibdeps finds them.

install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/klt-programmer)
# The changelog, compressed as Debian keeps it: without a time stamp, so that builds are reproducible.
set(klt_changelog ${CMAKE_BINARY_DIR}/packaging/changelog.gz)
add_custom_command(
    OUTPUT ${klt_changelog}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/packaging
    COMMAND sh -c "gzip -9nc < '${CMAKE_CURRENT_LIST_DIR}/changelog' > '${klt_changelog}'"
    DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog
    COMMENT "Debian changelog"
    VERBATIM)
add_custom_target(package_documents ALL DEPENDS ${klt_changelog})
install(FILES ${klt_changelog} DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/klt-programmer)

# The manual pages of the editor and the simulated radio, from their help (klt-cli has its own).
set(klt_man_pages)
foreach(page "klt:the editor of the memory of DSC marine VHF radios"
             "klt-radio-sim:a simulated DSC marine VHF radio on a pseudo-terminal")
    string(REPLACE ":" ";" parts "${page}")
    list(GET parts 0 program)
    list(GET parts 1 summary)
    set(output ${CMAKE_BINARY_DIR}/man/${program}.1.gz)
    add_custom_command(
        OUTPUT ${output}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/help_man_page.sh $<TARGET_FILE:${program}> ${PROJECT_VERSION}
                ${summary} ${output}
        DEPENDS ${program} ${CMAKE_CURRENT_LIST_DIR}/help_man_page.sh
        COMMENT "Manual page ${program}.1"
        VERBATIM)
    list(APPEND klt_man_pages ${output})
endforeach()
add_custom_target(help_man_pages ALL DEPENDS ${klt_man_pages})
install(FILES ${klt_man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME klt-programmer)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "KLT Programmer")
set(CPACK_PACKAGE_CONTACT "KLT Programmer maintainers <maintainers@users.noreply.c-seed-352e4f7c.example>")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_SECTION hamradio)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION
    "programmer for DSC marine VHF radios
KLT Programmer reads the memory of a family of marine VHF radios with DSC
(and, on some models, ATIS) over a serial cable, edits their channels, channel
groups, common, DSC and ATIS settings and station directories, keeps them in
settings files, prints a report, and programs the memory back, verified.
.
The package holds the editor (klt), the command-line tool (klt-cli) and a
simulated radio for trying both without a radio (klt-radio-sim).")
include(CPack)
