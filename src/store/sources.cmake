# The project store's sources: the library builds them, and so does the fuzz target, with its
# sanitizers. Full paths, so that any folder can include this file.
set(BRISVANE_STORE_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/FileSystem.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileDocument.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CheckedPath.cpp
    ${CMAKE_CURRENT_LIST_DIR}/AtomicFile.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProfileEngine.cpp
    ${CMAKE_CURRENT_LIST_DIR}/clsINI.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Clock.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProjectStore.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ProgramFolders.cpp
    ${CMAKE_CURRENT_LIST_DIR}/NameList.h
)
