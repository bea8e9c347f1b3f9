# The layers of the program and what each may include: core ← platform ← chart ← ui. Sources
# name headers by their folder ("core/errors.h"), and each layer's libraries publish an include
# root that holds their own folder and nothing else, so a library sees only the layers it links:
# core sees no Qt and no higher layer, chart sees no ui. tests/layers checks the same rules on
# the sources themselves.

# ormitan_layer_root(<target> <folder>): <target> publishes the include root of <folder>, a
# folder in the build tree whose only entry is a link to the source folder.
function(ormitan_layer_root target folder)
    set(root ${PROJECT_BINARY_DIR}/layers/${folder})
    if(NOT IS_SYMLINK ${root}/${folder})
        file(MAKE_DIRECTORY ${root})
        file(CREATE_LINK ${PROJECT_SOURCE_DIR}/${folder} ${root}/${folder} SYMBOLIC)
    endif()
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
