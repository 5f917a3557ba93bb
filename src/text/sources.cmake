# The text utilities' sources: the core library builds them, and so does the page reader's
# fuzz target, with its sanitizers. Full paths, so that any folder can include this file.
set(BRISVANE_TEXT_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/Utf8.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Utf16.cpp
    ${CMAKE_CURRENT_LIST_DIR}/UserCharacters.cpp
)
