# The installed tree: `cmake --install` of the build into a scratch prefix holds every file a
# desktop needs, and the menu entries and AppStream files pass their validators.
#   cmake -DBUILD=<build folder> -DPREFIX=<scratch folder> -P installcheck.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
    RESULT_VARIABLE failed OUTPUT_QUIET)
if(failed)
    message(FATAL_ERROR "cmake --install failed")
endif()

set(missing)
foreach(program Billwright PellarSpendlogFREE Slipmaker)
    set(id org.pellar.${program})
    set(wanted bin/${program} share/applications/${id}.desktop share/metainfo/${id}.metainfo.xml
        share/icons/hicolor/scalable/apps/${id}.svg share/man/man1/${program}.1.gz
        share/pellar/help/${id}.html)
    foreach(size 16 24 32 48 64 128 256)
        list(APPEND wanted share/icons/hicolor/${size}x${size}/apps/${id}.png)
    endforeach()
    foreach(file ${wanted})
        if(NOT EXISTS ${PREFIX}/${file})
            list(APPEND missing ${file})
        endif()
    endforeach()
    execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${id}.desktop
        RESULT_VARIABLE bad OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(bad OR said)
        message(FATAL_ERROR "${id}.desktop: ${said}")
    endif()
    execute_process(COMMAND appstreamcli validate --no-net --pedantic
        ${PREFIX}/share/metainfo/${id}.metainfo.xml
        RESULT_VARIABLE bad OUTPUT_VARIABLE said ERROR_VARIABLE said)
    if(bad)
        message(FATAL_ERROR "${id}.metainfo.xml: ${said}")
    endif()
endforeach()
foreach(file share/pellar/PellarLinks.ini share/doc/pellar/copyright share/doc/pellar/changelog.gz
        share/pellar/translations/pellar_en.qm)
    if(NOT EXISTS ${PREFIX}/${file})
        list(APPEND missing ${file})
    endif()
endforeach()
if(missing)
    message(FATAL_ERROR "not installed: ${missing}")
endif()
