# Copies the initial Config tree to DST unless a Config tree is already there.
if(NOT EXISTS "${DST}")
  file(COPY "${SRC}/" DESTINATION "${DST}")
endif()
