# Who packages this build: the Debian package's maintainer and the Windows installer's publisher.
# The packager, as Debian's tools name them (DEBFULLNAME, DEBEMAIL), else as git knows whoever
# builds; the project has no address of its own to put there.
set(maintainer "")
if(NOT "$ENV{DEBFULLNAME}" STREQUAL "" AND NOT "$ENV{DEBEMAIL}" STREQUAL "")
  set(maintainer "$ENV{DEBFULLNAME} <$ENV{DEBEMAIL}>")
else()
  find_package(Git QUIET)
  if(Git_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} config user.name WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE name OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    execute_process(COMMAND ${GIT_EXECUTABLE} config user.email WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
                    OUTPUT_VARIABLE email OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
    if(name AND email)
      set(maintainer "${name} <${email}>")
    endif()
  endif()
endif()
if(maintainer STREQUAL "" AND NOT DEFINED CACHE{ZANDOR_MAINTAINER})
  message(WARNING "No packager known: set ZANDOR_MAINTAINER (or DEBFULLNAME and DEBEMAIL) before packaging")
  set(maintainer "Unknown packager <packager@unknown.invalid>")
endif()
set(ZANDOR_MAINTAINER "${maintainer}" CACHE STRING "Package maintainer, name and e-mail address")
