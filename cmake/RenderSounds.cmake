# Run by the build (cmake -P) with GENERATOR, SHARED and OUTPUT set. Both Windows trees play the
# same sounds: they are rendered once into SHARED, again only when the generator was rebuilt, and
# copied into each tree's program folder.
file(LOCK ${SHARED}.lock)
if(NOT EXISTS ${SHARED} OR NOT EXISTS ${SHARED}.rendered OR ${GENERATOR} IS_NEWER_THAN ${SHARED}.rendered)
  file(REMOVE_RECURSE ${SHARED})
  execute_process(COMMAND ${GENERATOR} ${SHARED} COMMAND_ERROR_IS_FATAL ANY)
  file(TOUCH ${SHARED}.rendered)
endif()
file(COPY ${SHARED}/ DESTINATION ${OUTPUT})
