# Installs the build tree into a fresh prefix and checks the installed layout.
file(REMOVE_RECURSE "${PREFIX}")
execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD}" --prefix "${PREFIX}"
                RESULT_VARIABLE result OUTPUT_QUIET)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "cmake --install failed: ${result}")
endif()
set(expected
    bin/pelinor
    share/applications/pelinor.desktop
    share/metainfo/pelinor.metainfo.xml
    share/icons/hicolor/scalable/apps/pelinor.svg
    share/icons/hicolor/48x48/apps/pelinor.png
    share/man/man1/pelinor.1.gz
    share/doc/pelinor/copyright
    share/doc/pelinor/changelog.gz
    share/Norvanta/Pelinor/Sys/GroupName.txt
    share/Norvanta/Pelinor/Tbl/DBPhonet.csv
    share/Norvanta/Pelinor/Tbl/CandAll.csv
    share/Norvanta/Pelinor/Tbl/CandRussian.csv
    share/Norvanta/Pelinor/Help
    share/Norvanta/Pelinor/bookA
    share/Norvanta/Pelinor/bookG
    share/Norvanta/Pelinor/GreekA
    share/Norvanta/Pelinor/GreekG
    share/Norvanta/Pelinor/UkraineA
    share/Norvanta/Pelinor/UkraineG)
foreach(path IN LISTS expected)
    if(NOT EXISTS "${PREFIX}/${path}")
        message(FATAL_ERROR "missing after install: ${path}")
    endif()
    # The build tree has the same shape, so that bin/pelinor runs uninstalled.
    if(NOT path MATCHES "^share/(applications|metainfo|icons|man|doc)/" AND NOT EXISTS "${BUILD}/${path}")
        message(FATAL_ERROR "missing in the build tree: ${path}")
    endif()
endforeach()
file(GLOB books "${PREFIX}/share/Norvanta/Pelinor/bookA/*.utx")
list(LENGTH books count)
if(count LESS 3)
    message(FATAL_ERROR "expected the Russian sample word books, found ${count}")
endif()
file(REMOVE_RECURSE "${PREFIX}")
