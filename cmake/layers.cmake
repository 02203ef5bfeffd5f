# SPDX-License-Identifier: MIT
# Each library lets the targets that link it include its own folder of src/ and nothing else:
# an include that reaches a layer the library does not link, such as "ui/..." from the
# conversion core, fails to compile. Its include root holds one link, named after the folder.
function(nickbridge_layer target folder)
    set(root ${CMAKE_BINARY_DIR}/layers/${folder})
    file(MAKE_DIRECTORY ${root})
    file(CREATE_LINK ${PROJECT_SOURCE_DIR}/src/${folder} ${root}/${folder} SYMBOLIC)
    get_target_property(type ${target} TYPE)
    if(type STREQUAL "INTERFACE_LIBRARY")
        target_include_directories(${target} INTERFACE ${root})
    else()
        target_include_directories(${target} PUBLIC ${root})
    endif()
endfunction()
