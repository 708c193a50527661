# Runs the asset generator into a fresh folder and compares every file it writes with the
# committed one of the same name. Arguments: GENERATOR, ASSETS, TOUR (the kit tour's sheets),
# WORK.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/tour)
execute_process(COMMAND ${GENERATOR} ${WORK} --tour ${WORK}/tour RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_assets failed: ${status}")
endif()

# Appends to `different` each file of `written` in `made` that differs from `committed`.
function(compare made committed)
  file(GLOB written LIST_DIRECTORIES false RELATIVE ${made} ${made}/*)
  list(LENGTH written count)
  set(written_count ${count} PARENT_SCOPE)
  foreach(name ${written})
    execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${made}/${name}
                            ${committed}/${name} RESULT_VARIABLE same)
    if(NOT same EQUAL 0)
      list(APPEND different ${committed}/${name})
    endif()
  endforeach()
  set(different ${different} PARENT_SCOPE)
endfunction()

set(different "")
compare(${WORK}/tour ${TOUR})
if(written_count LESS 4)
  message(FATAL_ERROR "make_assets wrote only ${written_count} tour sheets")
endif()
compare(${WORK} ${ASSETS})
if(written_count LESS 40)
  message(FATAL_ERROR "make_assets wrote only ${written_count} files")
endif()
if(different)
  message(FATAL_ERROR "differ from what make_assets draws (regenerate with make_assets assets "
                      "--tour examples/kit_tour/pictures): ${different}")
endif()
file(REMOVE_RECURSE ${WORK})
message(STATUS "${written_count} assets and the tour's sheets regenerated identically")
