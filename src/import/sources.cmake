# The page reader's sources: the library builds them, and so does the reader's fuzz target,
# with its sanitizers. Full paths, so that any folder can include this file.
set(BRISVANE_READER_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/CssColor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CssColorNames.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CssSelectors.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HtmlScan.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CssRules.cpp
    ${CMAKE_CURRENT_LIST_DIR}/CssCascade.cpp
    ${CMAKE_CURRENT_LIST_DIR}/BaseColor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollbarColorReader.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PageReader.h
)
