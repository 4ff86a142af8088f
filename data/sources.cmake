# The data core's sources, shared by the library and the fuzzing build.
set(DATA_SOURCES
    mbook.cpp mbook.h
    inrange.h
    localzone.cpp localzone.h
    mbookfile.cpp
    mreader.cpp mreader.h
    muser.cpp muser.h
    muserfile.cpp
    muserpick.cpp
    muserschedule.cpp
    mwriter.cpp mwriter.h
    randomorder.cpp randomorder.h
    studyclock.cpp studyclock.h
    saveleftovers.cpp saveleftovers.h
    writefile.cpp writefile.h
)
list(TRANSFORM DATA_SOURCES PREPEND "${CMAKE_CURRENT_LIST_DIR}/")
