# cmake -DSOURCE_DIR=<root> -P layers.cmake fails when a source includes a layer it must not
# know: every target sees the whole source root, so the compiler alone would not notice.
cmake_minimum_required(VERSION 3.25)

# Each layer, then the layers its files may include beside its own.
foreach(rule "core" "services core" "ui core" "startup core" "app ui services startup core"
        "cli services startup core" "helper services startup core")
    string(REPLACE " " ";" allowed "${rule}")
    list(GET allowed 0 layer)
    file(GLOB_RECURSE sources RELATIVE ${SOURCE_DIR}
         ${SOURCE_DIR}/${layer}/*.h ${SOURCE_DIR}/${layer}/*.cpp)
    foreach(source IN LISTS sources)
        file(STRINGS ${SOURCE_DIR}/${source} includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"")
        foreach(line IN LISTS includes)
            string(REGEX REPLACE "^[^\"]*\"([^\"]*)\".*" "\\1" header "${line}")
            if(NOT header MATCHES "^([^/]+)/")
                message(SEND_ERROR "${source}: \"${header}\" does not name its layer")
            elseif(NOT CMAKE_MATCH_1 IN_LIST allowed)
                message(SEND_ERROR "${source}: ${layer}/ may not include \"${header}\"")
            endif()
        endforeach()
    endforeach()
endforeach()
