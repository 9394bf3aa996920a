# Places the runtime files beside the executable in DEST.
# "files" is copied only when it does not exist yet, so engines edited in the build folder stay.
file(MAKE_DIRECTORY ${DEST}/img)
file(COPY ${SOURCE}/resources/img/unknown.png DESTINATION ${DEST}/img)
if(NOT EXISTS ${DEST}/files)
    file(COPY ${SOURCE}/files DESTINATION ${DEST})
endif()
