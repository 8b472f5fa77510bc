# Copies each shipped folder (FOLDERS) from SRC to DEST; a folder missing in SRC is created empty.
foreach(folder IN LISTS FOLDERS)
    if(EXISTS "${SRC}/${folder}")
        file(COPY "${SRC}/${folder}" DESTINATION "${DEST}")
    else()
        file(MAKE_DIRECTORY "${DEST}/${folder}")
    endif()
endforeach()
