# Unpacks the release zip into a fresh folder: cmake -DZIP=... -DDIR=... -P UnpackRelease.cmake
file(REMOVE_RECURSE "${DIR}")
file(MAKE_DIRECTORY "${DIR}")
file(ARCHIVE_EXTRACT INPUT "${ZIP}" DESTINATION "${DIR}")
