# Run by the build (cmake -P) with GENERATOR, SHARED and OUTPUT set, and CACHE (may be empty) where
# the machine keeps a rendering between clones. Both Windows trees play the same sounds: they are
# rendered once into SHARED, again only when the generator was rebuilt, and copied into each
# tree's program folder. A generator built the same from the same sources is the same file, so
# its hash names its rendering in CACHE: a fresh clone takes it instead of rendering for a minute.
file(LOCK ${SHARED}.lock)
if(NOT EXISTS ${SHARED} OR NOT EXISTS ${SHARED}.rendered OR ${GENERATOR} IS_NEWER_THAN ${SHARED}.rendered)
  file(REMOVE_RECURSE ${SHARED})
  if(CACHE)
    file(SHA256 ${GENERATOR} generator)
    file(MAKE_DIRECTORY ${CACHE})
    file(LOCK ${CACHE}.lock)
  endif()
  if(CACHE AND EXISTS ${CACHE}/${generator}.rendered)
    file(COPY ${CACHE}/${generator}/ DESTINATION ${SHARED})
  else()
    execute_process(COMMAND ${GENERATOR} ${SHARED} COMMAND_ERROR_IS_FATAL ANY)
    if(CACHE)
      # Only the latest generator's rendering is kept: 23 MB each.
      file(GLOB earlier ${CACHE}/*)
      if(earlier)
        file(REMOVE_RECURSE ${earlier})
      endif()
      file(COPY ${SHARED}/ DESTINATION ${CACHE}/${generator})
      file(TOUCH ${CACHE}/${generator}.rendered)
    endif()
  endif()
  file(TOUCH ${SHARED}.rendered)
endif()
file(COPY ${SHARED}/ DESTINATION ${OUTPUT})
