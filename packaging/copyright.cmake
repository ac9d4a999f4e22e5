# Writes the Debian package's copyright file, in Debian's machine-readable format, from LICENSE: its
# copyright line and its licence text. Debian's short name for the MIT licence is Expat.
#   cmake -DLICENSE=LICENSE -DMAINTAINER="Name <address>" -DCOPYRIGHT=copyright -P copyright.cmake
foreach(variable LICENSE MAINTAINER COPYRIGHT)
    if(NOT DEFINED ${variable})
        message(FATAL_ERROR "copyright.cmake needs -D${variable}=...")
    endif()
endforeach()

file(READ "${LICENSE}" text)
if(NOT text MATCHES "^MIT License\n\nCopyright \\(c\\) ([^\n]+)\n\n(.+)$")
    message(FATAL_ERROR "${LICENSE} is not 'MIT License', a copyright line and the licence text")
endif()
set(holder "${CMAKE_MATCH_1}")
set(terms "${CMAKE_MATCH_2}")
# Continuation lines start with a space, and an empty line stands as " .".
string(REGEX REPLACE "\n+$" "" terms "${terms}")
string(REPLACE "\n\n" "\n.\n" terms "${terms}")
string(REPLACE "\n" "\n " terms "${terms}")

file(WRITE "${COPYRIGHT}" "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/
Upstream-Name: Cairnly
Upstream-Contact: ${MAINTAINER}

Files: *
Copyright: ${holder}
License: Expat
 ${terms}
")
