# Debian's header-only libraries for number texts: fast_float reads them,
# fmt writes them (shortest and fixed precision). Both builds compile the same
# headers the same way, fmt in its header-only mode, so that a text is the
# same bit for bit natively and in the WebAssembly module.
#
# The WebAssembly compiler must not see /usr/include as a whole (it would take
# glibc's headers for its own), so the two libraries' folders are linked into
# a folder of their own in the build tree and only that one is searched.
find_path(KORA_FAST_FLOAT_DIR fast_float/fast_float.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
find_path(KORA_FMT_DIR fmt/format.h PATHS /usr/include NO_CMAKE_FIND_ROOT_PATH REQUIRED)
set(KORA_TEXTLIBS_DIR ${CMAKE_BINARY_DIR}/textlibs)
file(MAKE_DIRECTORY ${KORA_TEXTLIBS_DIR})
file(CREATE_LINK ${KORA_FAST_FLOAT_DIR}/fast_float ${KORA_TEXTLIBS_DIR}/fast_float SYMBOLIC)
file(CREATE_LINK ${KORA_FMT_DIR}/fmt ${KORA_TEXTLIBS_DIR}/fmt SYMBOLIC)
add_library(kora_textlibs INTERFACE)
target_include_directories(kora_textlibs SYSTEM INTERFACE ${KORA_TEXTLIBS_DIR})
# No number text takes the user's locale (they choose their separator
# themselves), so fmt leaves std::locale and its facets out of the module.
target_compile_definitions(kora_textlibs INTERFACE FMT_HEADER_ONLY FMT_STATIC_THOUSANDS_SEPARATOR)
