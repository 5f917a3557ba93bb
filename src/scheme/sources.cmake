# The colour domain's sources: the core library builds them, and so does the page reader's
# fuzz target, with its sanitizers. Full paths, so that any folder can include this file.
set(BRISVANE_SCHEME_SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/ColorRole.cpp
    ${CMAKE_CURRENT_LIST_DIR}/HexColor.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ColorFieldText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ScrollbarScheme.cpp
    ${CMAKE_CURRENT_LIST_DIR}/Contrast.cpp
)
